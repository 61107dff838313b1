#pragma once

#include <QIcon>

// The booklet's button: an open booklet, its pages ruled with lines of text
// and a small dial on the left page.
QIcon BookletIcon();
