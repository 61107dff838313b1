#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "Emblem.h"
#include "Form1.h"
#include "Form2.h"
#include "GRAPH1.h"
#include "WindowFont.h"

int main(int argc, char* argv[]) {
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Quindal"));
  QApplication::setDesktopFileName(QStringLiteral("quindal"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(EmblemImage(64))));

  // The print and file dialogs speak Italian, like the rest of the program.
  QTranslator qtItalian;
  if (qtItalian.load(QStringLiteral("qtbase_it"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtItalian);
  }

  Form2Slot form2;
  Form1 form1;
  form1.SetProcedures({
      [&] { GRAPH1::DrawPlateA(form1, form2); },
      [&] { GRAPH1::DrawPlateB(form1, form2); },
      [&] { GRAPH1::DrawPlateC_Astronomical(form1, form2); },
      [&] { GRAPH1::DrawPlateC_Temporary(form1, form2); },
      [&] { GRAPH1::DrawPlateD(form1, form2); },
      [&] { GRAPH1::DrawBase(form1, form2); },
      [&] { GRAPH1::DrawInstructions(form1, form2); },
  });
  form1.show();
  return app.exec();
}
