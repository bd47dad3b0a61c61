#pragma once
// Runs shopassist-drive as a process: a script on its standard input, its standard output and
// exit status back.
#include <string>
#include <vector>

namespace mainwindow_test {

struct DriveResult {
  std::vector<std::string> lines;  // standard output, line by line
  int status = -1;                 // exit status, or -1 when it did not exit normally
};

DriveResult RunDrive(const std::vector<std::string>& args, const std::string& script);

// A new file in the test's temporary folder.
std::string TemporaryPath(const std::string& name);

}  // namespace mainwindow_test
