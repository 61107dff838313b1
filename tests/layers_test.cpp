// The layers of the program, read from the sources: every #include under
// src/ names its folder, and reaches only what the layer table allows, our
// folders and Qt's modules alike. One root of Qt's headers serves every
// module, so only reading the includes tells <QtGui/QImage> in the drawing
// layer from a harmless one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  std::set<std::string> folders;  // of ours, besides its own
  std::set<std::string> qt;       // Qt modules
};

const std::map<std::string, Layer> kLayers = {
    {"solar", {{}, {}}},
    {"drawing", {{"language"}, {"QtCore"}}},
    {"language", {{}, {"QtCore"}}},
    {"project", {{"drawing", "language"}, {"QtCore"}}},
    {"pieces", {{"drawing", "language", "solar", "project"}, {"QtCore"}}},
    {"devices", {{"drawing", "language"}, {"QtCore", "QtGui"}}},
    {"instrument",
     {{"drawing", "language", "solar", "project", "pieces", "devices"}, {"QtCore", "QtGui"}}},
    {"place", {{"drawing", "language"}, {"QtCore"}}},
    {"shadow", {{"drawing", "language", "solar", "place", "project"}, {"QtCore", "QtGui"}}},
    {"booklet",
     {{"drawing", "language", "solar", "project", "pieces", "devices", "instrument", "place",
       "shadow"},
      {"QtCore", "QtGui"}}},
    {"shell",
     {{"drawing", "language", "project", "devices", "pieces", "instrument", "place", "shadow",
       "booklet"},
      {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport"}}},
    {"app",
     {{"solar", "drawing", "language", "project", "pieces", "devices", "instrument", "place",
       "shadow", "booklet", "shell"},
      {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport"}}},
};

// The Qt module a system include belongs to ("QtGui" for <QImage> and for
// <QtGui/QImage>), or "" for anything that is not Qt's.
std::string QtModuleOf(const std::string& header) {
  const auto slash = header.find('/');
  if (slash != std::string::npos && header.rfind("Qt", 0) == 0) return header.substr(0, slash);
  for (const char* module :
       {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport", "QtTest", "QtSvg", "QtNetwork"}) {
    if (fs::exists(fs::path(QUINDAL_QT_HEADERS) / module / header)) return module;
  }
  return "";
}

// Every wrong include of one file, as "file:line: why".
std::vector<std::string> Problems(const fs::path& file, const std::string& layer) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  const Layer& allowed = kLayers.at(layer);
  std::vector<std::string> problems;
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::smatch m;
    if (!std::regex_search(line, m, kInclude)) continue;
    const std::string header = m[2];
    const std::string where = file.filename().string() + ":" + std::to_string(number) + ": ";
    if (m[1] == "\"") {
      const auto slash = header.find('/');
      const std::string folder = slash == std::string::npos ? "" : header.substr(0, slash);
      if (header.find("..") != std::string::npos || !kLayers.count(folder)) {
        problems.push_back(where + header + " does not name a layer's folder");
      } else if (folder != layer && !allowed.folders.count(folder)) {
        problems.push_back(where + layer + " may not include " + header);
      }
    } else {
      const std::string module = QtModuleOf(header);
      if (!module.empty() && !allowed.qt.count(module))
        problems.push_back(where + layer + " may not use " + module + " (" + header + ")");
    }
  }
  return problems;
}

TEST(LayersTest, EveryIncludeKeepsToTheLayerTable) {
  int files = 0;
  for (const auto& [layer, allowed] : kLayers) {
    const fs::path folder = fs::path(QUINDAL_SOURCE_DIR) / "src" / layer;
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp") continue;
      ++files;
      for (const std::string& problem : Problems(entry.path(), layer)) ADD_FAILURE() << problem;
    }
  }
  EXPECT_GT(files, 50);
  // The folders under src/ are exactly the layers of the table.
  std::set<std::string> folders;
  for (const auto& entry : fs::directory_iterator(fs::path(QUINDAL_SOURCE_DIR) / "src"))
    if (entry.is_directory()) folders.insert(entry.path().filename().string());
  std::set<std::string> layers;
  for (const auto& [layer, allowed] : kLayers) layers.insert(layer);
  EXPECT_EQ(folders, layers);
}

// The lines of a source file as the shape checks read them: comments and
// string literals blanked, namespace braces dropped.
std::vector<std::string> CodeLines(const fs::path& file) {
  static const std::regex kComment(R"(//.*$)"), kString(R"("(\\.|[^"\\])*")"),
      kNamespace(R"(^(namespace[^{]*\{|\}\s*// namespace).*$)");
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const std::string plain = std::regex_replace(line, kNamespace, "");
    lines.push_back(std::regex_replace(std::regex_replace(plain, kString, "\"\""), kComment, ""));
  }
  return lines;
}

// Every function of `file` longer than `limit` lines, from the first line
// of its signature to its closing brace, as "file:line (N lines)".
std::vector<std::string> LongFunctions(const fs::path& file, std::size_t limit) {
  static const std::regex kType(R"(^\s*(struct|class|enum|union)\b)");
  const std::vector<std::string> lines = CodeLines(file);
  std::vector<std::string> found;
  int depth = 0;
  constexpr std::size_t kNone = std::string::npos;
  std::size_t start = kNone;  // of the function being read
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto opens = std::count(lines[i].begin(), lines[i].end(), '{');
    const auto closes = std::count(lines[i].begin(), lines[i].end(), '}');
    const std::size_t brace = lines[i].find('{');
    const bool initialiser = lines[i].find('=') < brace;  // a table, not a function
    if (depth == 0 && opens > closes && !initialiser && !std::regex_search(lines[i], kType)) {
      std::size_t first = i;  // the signature may take several lines
      while (first > 0 && !lines[first - 1].empty() &&
             lines[first - 1].find_first_of(";{}#") == std::string::npos)
        --first;
      start = first;
    }
    depth += int(opens - closes);
    if (depth == 0 && start != kNone) {
      if (i - start + 1 > limit)
        found.push_back(file.filename().string() + ":" + std::to_string(start + 1) + " (" +
                        std::to_string(i - start + 1) + " lines)");
      start = kNone;
    }
  }
  return found;
}

// Small functions and a drawing window that is only the drawing window.
TEST(SourceShapeTest, FunctionsAndTheDrawingWindowStaySmall) {
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(QUINDAL_SOURCE_DIR) / "src")) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".h" && extension != ".cpp") continue;
    for (const std::string& problem : LongFunctions(entry.path(), 80)) ADD_FAILURE() << problem;
  }
  // Lines of code: neither blank nor only a comment.
  std::ifstream form2(fs::path(QUINDAL_SOURCE_DIR) / "src/shell/Form2.cpp");
  int code = 0;
  for (std::string line; std::getline(form2, line);) {
    const auto first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line.compare(first, 2, "//") != 0) ++code;
  }
  EXPECT_LE(code, 230);
}

TEST(LayersTest, QtHeadersAreFoundByModule) {
  EXPECT_EQ(QtModuleOf("QString"), "QtCore");
  EXPECT_EQ(QtModuleOf("QImage"), "QtGui");
  EXPECT_EQ(QtModuleOf("QtGui/QImage"), "QtGui");
  EXPECT_EQ(QtModuleOf("QPrinter"), "QtPrintSupport");
  EXPECT_EQ(QtModuleOf("vector"), "");
}

}  // namespace
