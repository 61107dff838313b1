// The layers of the program, read from the sources: every #include under
// src/ names its folder, and reaches only what the layer table allows, our
// folders and Qt's modules alike. One root of Qt's headers serves every
// module, so only reading the includes tells <QtGui/QImage> in the drawing
// layer from a harmless one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Layer {
  std::set<std::string> folders;  // of ours, besides its own
  std::set<std::string> qt;       // Qt modules
};

const std::map<std::string, Layer> kLayers = {
    {"solar", {{}, {}}},
    {"drawing", {{}, {"QtCore"}}},
    {"project", {{"drawing"}, {"QtCore"}}},
    {"pieces", {{"drawing", "solar", "project"}, {"QtCore"}}},
    {"devices", {{"drawing"}, {"QtCore", "QtGui"}}},
    {"place", {{"drawing"}, {"QtCore"}}},
    {"shadow", {{"drawing", "solar", "place", "project"}, {"QtCore", "QtGui"}}},
    {"booklet",
     {{"drawing", "solar", "project", "pieces", "devices", "place", "shadow"},
      {"QtCore", "QtGui"}}},
    {"shell",
     {{"drawing", "project", "devices", "pieces", "place", "shadow", "booklet"},
      {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport"}}},
    {"app",
     {{"solar", "drawing", "project", "pieces", "devices", "place", "shadow", "booklet", "shell"},
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

TEST(LayersTest, QtHeadersAreFoundByModule) {
  EXPECT_EQ(QtModuleOf("QString"), "QtCore");
  EXPECT_EQ(QtModuleOf("QImage"), "QtGui");
  EXPECT_EQ(QtModuleOf("QtGui/QImage"), "QtGui");
  EXPECT_EQ(QtModuleOf("QPrinter"), "QtPrintSupport");
  EXPECT_EQ(QtModuleOf("vector"), "");
}

}  // namespace
