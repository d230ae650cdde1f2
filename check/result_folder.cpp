#include "check/result_folder.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace fs = std::filesystem;

namespace {
constexpr const char* kResultFiles[] = {"results.txt", "results.csv", "results.json", "index.html",
                                        "findings.csv"};
constexpr const char* kReportFolders[] = {kReportFolder, kUbnFolder};
constexpr std::string_view kReportEnding = ".txt";

bool FileOrLink(const fs::directory_entry& entry) {
  return entry.is_symlink() || entry.is_regular_file();
}

bool IsResultFile(const fs::directory_entry& entry) {
  for (const char* name : kResultFiles) {
    if (entry.path().filename() == name) {
      return FileOrLink(entry);
    }
  }
  return false;
}

bool IsReport(const fs::directory_entry& entry) {
  const std::string name = entry.path().filename().string();
  return FileOrLink(entry) && name.size() > kReportEnding.size() &&
         name.compare(name.size() - kReportEnding.size(), kReportEnding.size(), kReportEnding) == 0;
}

bool IsReportFolder(const fs::directory_entry& entry) {
  for (const char* name : kReportFolders) {
    if (entry.path().filename() == name) {
      return true;
    }
  }
  return false;
}

// What in the folder a check did not write, or an empty text.
std::string Foreign(const fs::path& folder) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (IsReportFolder(entry) && entry.is_symlink()) {
      continue;
    }
    if (IsReportFolder(entry) && entry.is_directory()) {
      for (const fs::directory_entry& report : fs::directory_iterator(entry.path())) {
        if (!IsReport(report)) {
          return (entry.path().filename() / report.path().filename()).string();
        }
      }
      continue;
    }
    if (!IsResultFile(entry)) {
      return entry.path().filename().string();
    }
  }
  return {};
}
}  // namespace

void CheckResultFolder(const std::string& folder) {
  const fs::file_status status = fs::status(folder);
  if (!fs::exists(status)) {
    return;
  }
  if (!fs::is_directory(status)) {
    throw std::runtime_error("--out " + folder + ": not a folder");
  }
  const std::string foreign = Foreign(folder);
  if (!foreign.empty()) {
    throw std::runtime_error("--out " + folder + ": holds " + foreign +
                             ", which no check wrote; give a new or empty folder, or an earlier "
                             "check's");
  }
}

void ClearResultFolder(const std::string& folder) {
  const fs::path root(folder);
  fs::create_directories(root);
  for (const char* name : kResultFiles) {
    fs::remove(root / name);  // a link itself, not what it names
  }
  for (const char* name : kReportFolders) {
    fs::remove_all(root / name);  // a link itself, not what it names
    fs::create_directory(root / name);
  }
}
