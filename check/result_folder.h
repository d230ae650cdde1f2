// The folder a check writes its results into, and what in it is the check's own: the results
// files and the folders of the reports on each log. What else a folder holds is the organiser's,
// and is never touched.
#pragma once

#include <string>

inline constexpr const char* kReportFolder = "reports";
inline constexpr const char* kUbnFolder = "ubn";  // the UBN reports

// Throws std::runtime_error unless `folder` is missing, empty or holds nothing but an earlier
// check's results (links standing where a result goes among them).
void CheckResultFolder(const std::string& folder);

// Makes the folder when missing and removes an earlier check's results from it, leaving the
// reports' folders empty. A link where a result goes is removed, never followed.
void ClearResultFolder(const std::string& folder);
