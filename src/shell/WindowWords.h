#pragma once

#include <QCoreApplication>

// The words of the windows' free functions and small dialogs, in the user's
// language; the window classes have their own.
class Windows {
  Q_DECLARE_TR_FUNCTIONS(Windows)
};
