#pragma once

#include <QImage>

// The program's emblem: a dial plate leaning at 45 degrees under a small sun,
// with the shadow of its edge falling across it. Drawn at any square size.
QImage EmblemImage(int size);
