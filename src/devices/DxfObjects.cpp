#include "devices/DxfObjects.h"

#include <initializer_list>

namespace {

struct Group {
  int code;
  const char* value;
};

struct Object {
  const char* type;
  int handle;
  int owner;  // the dictionary that holds it; 0 for the root
  std::initializer_list<Group> groups;
};

// The variables' dictionary and its two variables take the writer's next
// handles, after every entity's: "@0" ... "@2" name them in the groups.
constexpr int kNext = -1;
constexpr int kVariables = -2;

// The named object dictionaries and the three layouts a DXF 2000 reader
// expects, each with its owner, as CAD programs write them: the root
// dictionary (C) holds the groups, layouts, multiline styles, plot settings,
// plot style names and variables.
// clang-format off
const Object kObjects[] = {
    {"DICTIONARY", 0xC, 0x0, {{100, "AcDbDictionary"}, {280, "0"}, {281, "1"}, {3, "ACAD_GROUP"}, {350, "D"}, {3, "ACAD_LAYOUT"}, {350, "1A"}, {3, "ACAD_MLINESTYLE"}, {350, "17"}, {3, "ACAD_PLOTSETTINGS"}, {350, "19"}, {3, "ACAD_PLOTSTYLENAME"}, {350, "E"}, {3, "AcDbVariableDictionary"}, {350, "@0"}}},
    {"DICTIONARY", 0xD, 0xC, {{100, "AcDbDictionary"}, {280, "0"}, {281, "1"}}},
    {"ACDBDICTIONARYWDFLT", 0xE, 0xC, {{100, "AcDbDictionary"}, {281, "1"}, {3, "Normal"}, {350, "F"}, {100, "AcDbDictionaryWithDefault"}, {340, "F"}}},
    {"ACDBPLACEHOLDER", 0xF, 0xE, {}},
    {"DICTIONARY", 0x17, 0xC, {{100, "AcDbDictionary"}, {280, "0"}, {281, "1"}, {3, "Standard"}, {350, "18"}}},
    {"MLINESTYLE", 0x18, 0x17, {{100, "AcDbMlineStyle"}, {2, "STANDARD"}, {70, "0"}, {3, ""}, {62, "256"}, {51, "90.0"}, {52, "90.0"}, {71, "2"}, {49, "0.5"}, {62, "256"}, {6, "BYLAYER"}, {49, "-0.5"}, {62, "256"}, {6, "BYLAYER"}}},
    {"DICTIONARY", 0x19, 0xC, {{100, "AcDbDictionary"}, {280, "0"}, {281, "1"}}},
    {"DICTIONARY", 0x1A, 0xC, {{100, "AcDbDictionary"}, {281, "1"}, {3, "Layout1"}, {350, "1E"}, {3, "Layout2"}, {350, "26"}, {3, "Model"}, {350, "22"}}},
    {"LAYOUT", 0x1E, 0x1A, {{100, "AcDbPlotSettings"}, {1, ""}, {2, "none_device"}, {4, ""}, {6, ""}, {40, "0.0"}, {41, "0.0"}, {42, "0.0"}, {43, "0.0"}, {44, "0.0"}, {45, "0.0"}, {46, "0.0"}, {47, "0.0"}, {48, "0.0"}, {49, "0.0"}, {140, "0.0"}, {141, "0.0"}, {142, "1.0"}, {143, "1.0"}, {70, "688"}, {72, "0"}, {73, "0"}, {74, "5"}, {7, ""}, {75, "16"}, {147, "1.0"}, {148, "0.0"}, {149, "0.0"}, {100, "AcDbLayout"}, {1, "Layout1"}, {70, "1"}, {71, "1"}, {10, "0.0"}, {20, "0.0"}, {11, "420.0"}, {21, "297.0"}, {12, "0.0"}, {22, "0.0"}, {32, "0.0"}, {14, "100000000000000000000.0"}, {24, "100000000000000000000.0"}, {34, "100000000000000000000.0"}, {15, "-100000000000000000000.0"}, {25, "-100000000000000000000.0"}, {35, "-100000000000000000000.0"}, {146, "0.0"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {16, "1.0"}, {26, "0.0"}, {36, "0.0"}, {17, "0.0"}, {27, "1.0"}, {37, "0.0"}, {76, "0"}, {330, "1B"}}},
    {"LAYOUT", 0x22, 0x1A, {{100, "AcDbPlotSettings"}, {1, ""}, {2, "none_device"}, {4, ""}, {6, ""}, {40, "0.0"}, {41, "0.0"}, {42, "0.0"}, {43, "0.0"}, {44, "0.0"}, {45, "0.0"}, {46, "0.0"}, {47, "0.0"}, {48, "0.0"}, {49, "0.0"}, {140, "0.0"}, {141, "0.0"}, {142, "1.0"}, {143, "1.0"}, {70, "1712"}, {72, "0"}, {73, "0"}, {74, "0"}, {7, ""}, {75, "0"}, {147, "1.0"}, {148, "0.0"}, {149, "0.0"}, {100, "AcDbLayout"}, {1, "Model"}, {70, "1"}, {71, "0"}, {10, "0.0"}, {20, "0.0"}, {11, "12.0"}, {21, "9.0"}, {12, "0.0"}, {22, "0.0"}, {32, "0.0"}, {14, "0.0"}, {24, "0.0"}, {34, "0.0"}, {15, "0.0"}, {25, "0.0"}, {35, "0.0"}, {146, "0.0"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {16, "1.0"}, {26, "0.0"}, {36, "0.0"}, {17, "0.0"}, {27, "1.0"}, {37, "0.0"}, {76, "0"}, {330, "1F"}}},
    {"LAYOUT", 0x26, 0x1A, {{100, "AcDbPlotSettings"}, {1, ""}, {2, "none_device"}, {4, ""}, {6, ""}, {40, "0.0"}, {41, "0.0"}, {42, "0.0"}, {43, "0.0"}, {44, "0.0"}, {45, "0.0"}, {46, "0.0"}, {47, "0.0"}, {48, "0.0"}, {49, "0.0"}, {140, "0.0"}, {141, "0.0"}, {142, "1.0"}, {143, "1.0"}, {70, "688"}, {72, "0"}, {73, "0"}, {74, "5"}, {7, ""}, {75, "16"}, {147, "1.0"}, {148, "0.0"}, {149, "0.0"}, {100, "AcDbLayout"}, {1, "Layout2"}, {70, "1"}, {71, "2"}, {10, "0.0"}, {20, "0.0"}, {11, "12.0"}, {21, "9.0"}, {12, "0.0"}, {22, "0.0"}, {32, "0.0"}, {14, "0.0"}, {24, "0.0"}, {34, "0.0"}, {15, "0.0"}, {25, "0.0"}, {35, "0.0"}, {146, "0.0"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {16, "1.0"}, {26, "0.0"}, {36, "0.0"}, {17, "0.0"}, {27, "1.0"}, {37, "0.0"}, {76, "0"}, {330, "23"}}},
    {"DICTIONARY", kNext, 0xC, {{100, "AcDbDictionary"}, {281, "1"}, {3, "DIMASSOC"}, {350, "@2"}, {3, "HIDETEXT"}, {350, "@1"}}},
    {"DICTIONARYVAR", kNext, kVariables, {{100, "DictionaryVariables"}, {280, "0"}, {1, "2"}}},
    {"DICTIONARYVAR", kNext, kVariables, {{100, "DictionaryVariables"}, {280, "0"}, {1, "1"}}},
};
// clang-format on

}  // namespace

void WriteObjects(DL_WriterA& dw) {
  const auto first = static_cast<int>(dw.getNextHandle());
  dw.sectionObjects();
  for (const Object& object : kObjects) {
    dw.dxfString(0, object.type);
    if (object.handle == kNext) {
      dw.handle();
    } else {
      dw.dxfHex(5, object.handle);
    }
    dw.dxfHex(330, object.owner == kVariables ? first : object.owner);
    for (const Group& g : object.groups) {
      if (g.value[0] == '@') {
        dw.dxfHex(g.code, first + (g.value[1] - '0'));
      } else {
        dw.dxfString(g.code, g.value);
      }
    }
  }
  dw.sectionEnd();
}
