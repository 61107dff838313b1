#pragma once

#include <QIcon>

// The site finder's button: a globe with its meridians and a pin on it.
QIcon PlaceIcon();
