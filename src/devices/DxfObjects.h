#pragma once

#include <dxflib/dl_writer_ascii.h>

// The OBJECTS section of a DXF 2000 file, every object with the handle of
// its owner, so that readers need not repair the file.
void WriteObjects(DL_WriterA& dw);
