#pragma once

class QComboBox;
class QString;
class QWidget;

// The searchable list of the system's time zones: type any part of an id
// ("rome", "Kolkata") to narrow it. The system's own zone is always in it,
// even where the list lacks its id ("Etc/UTC" on a fresh machine); `current`
// is chosen, or the system's zone when empty.
QComboBox* NewZoneBox(const QString& current, QWidget* parent = nullptr);
