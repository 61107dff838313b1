#pragma once

#include <QString>

#include "devices/DrawingFile.h"

// The files of a kit replaced together, so that a run killed at any moment
// leaves, once settled, either the old kit whole or the new one whole.
//  1. Each file is written whole beside its place, "NAME.quindal-nuovo".
//  2. A second name, "NAME.quindal-precedente", for every file already
//     there, to put it back should a rename fail.
//  3. The journal, the folder's ".quindal-kit-in-corso", lists the files:
//     from here on the new kit is the one that counts.
//  4. Each new file renamed into place; the journal and the second names go.
// A run killed before the journal leaves the old kit as it was; one killed
// after it leaves renames that the next run finishes.

// Settles what a killed kit run left in `folder`: finishes the renames its
// journal lists, then removes every file a kit run writes beside its places,
// older runs' "NAME.quindal-PID-precedente" included.
void SettleKilledKitRun(const QString& folder);

// Writes `files` (all in one folder) as above, after settling that folder.
// On failure `failed` names the file and everything is as it was.
// `put` writes the bytes into the open file.
bool ReplaceKit(const FileSet& files, const DiskSink::DeviceWriter& put, QString& failed,
                QString& reason);

// Puts `bytes` through `put` into the open file `fd` and onto the disk: 0,
// the system's error, or -1 when `put` failed without one.
int PutOnDisk(int fd, const QByteArray& bytes, const DiskSink::DeviceWriter& put);

// The journal's name, in the kit's folder.
inline constexpr char kKitJournal[] = ".quindal-kit-in-corso";
