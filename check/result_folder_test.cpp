#include "check/result_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "logfiles/test_support.h"

namespace fs = std::filesystem;

TEST(ResultFolder, TakesOnlyAFolderOfResultsAndClearsThemWithoutFollowingLinks) {
  const struct {
    const char* name;
    std::function<void(const TempDir&)> make;  // what `out` holds; the organiser's file is kept
    bool taken;
  } cases[] = {
      {"missing", [](const TempDir&) {}, true},
      {"empty", [](const TempDir& dir) { fs::create_directory(dir.Path("out")); }, true},
      {"an earlier check's",
       [](const TempDir& dir) {
         fs::create_directories(dir.Path("out/reports"));
         fs::create_directories(dir.Path("out/ubn"));
         for (const char* name :
              {"results.txt", "results.csv", "results.json", "index.html", "findings.csv",
               "reports/DL1AAA.txt", "reports/OLD.txt", "ubn/DL1AAA.txt", "ubn/OLD-144.txt"}) {
           dir.Write("out/" + std::string(name), "earlier");
         }
       },
       true},
      {"links where results go",
       [](const TempDir& dir) {
         fs::create_directories(dir.Path("out/reports"));
         fs::create_symlink(dir.Path("organiser.txt"), dir.Path("out/results.txt"));
         fs::create_symlink(dir.Path("organiser.txt"), dir.Path("out/reports/DL1AAA.txt"));
         fs::create_directories(dir.Path("out/ubn"));
         fs::create_symlink(dir.Path("organiser.txt"), dir.Path("out/ubn/DL1AAA.txt"));
       },
       true},
      {"a link where the reports go",
       [](const TempDir& dir) {
         fs::create_directories(dir.Path("elsewhere"));
         dir.Write("elsewhere/DL1AAA.txt", "organiser's");
         fs::create_directory(dir.Path("out"));
         fs::create_directory_symlink(dir.Path("elsewhere"), dir.Path("out/reports"));
       },
       true},
      {"a link where the UBN reports go",
       [](const TempDir& dir) {
         fs::create_directories(dir.Path("elsewhere"));
         dir.Write("elsewhere/DL1AAA.txt", "organiser's");
         fs::create_directory(dir.Path("out"));
         fs::create_directory_symlink(dir.Path("elsewhere"), dir.Path("out/ubn"));
       },
       true},
      {"a file no check writes",
       [](const TempDir& dir) {
         fs::create_directory(dir.Path("out"));
         dir.Write("out/notes.txt", "organiser's");
       },
       false},
      {"a folder inside the reports",
       [](const TempDir& dir) { fs::create_directories(dir.Path("out/reports/old")); }, false},
      {"a folder inside the UBN reports",
       [](const TempDir& dir) { fs::create_directories(dir.Path("out/ubn/old")); }, false},
      {"a file no check writes among the UBN reports",
       [](const TempDir& dir) {
         fs::create_directories(dir.Path("out/ubn"));
         dir.Write("out/ubn/notes.csv", "organiser's");
       },
       false},
      {"a folder where a result goes",
       [](const TempDir& dir) { fs::create_directories(dir.Path("out/results.txt")); }, false},
      {"a file, not a folder", [](const TempDir& dir) { dir.Write("out", "organiser's"); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("organiser.txt", "organiser's");
    c.make(dir);
    const std::vector<std::string> before = FilesUnder(dir.Path(""));
    if (!c.taken) {
      EXPECT_THROW(CheckResultFolder(dir.Path("out")), std::runtime_error);
      EXPECT_EQ(FilesUnder(dir.Path("")), before);
      continue;
    }
    CheckResultFolder(dir.Path("out"));
    ClearResultFolder(dir.Path("out"));
    EXPECT_EQ(FilesUnder(dir.Path("out")), (std::vector<std::string>{"reports", "ubn"}));
    EXPECT_FALSE(fs::is_symlink(dir.Path("out/reports")));
    EXPECT_FALSE(fs::is_symlink(dir.Path("out/ubn")));
    EXPECT_EQ(FileText(dir.Path("organiser.txt")), "organiser's");
    if (fs::exists(dir.Path("elsewhere"))) {
      EXPECT_EQ(FilesUnder(dir.Path("elsewhere")), std::vector<std::string>{"DL1AAA.txt"});
    }
  }
}
