// Logs whose program wrote the serial numbers sent and received in each other's columns: the
// received serials then count up from QSO to QSO, as only sent ones do. Read as written, every
// QSO of such a log would be a busted exchange, and so would every QSO the other stations logged
// with it, though they copied right.
#pragma once

#include "logfiles/qso_list.h"

// True when, over QSOs one after another, the received serials count up by one in more than half
// the steps and the sent ones in fewer than half; a log of fewer than three QSOs is taken as
// written.
bool SerialColumnsSwapped(const QsoList& qsos);

// The QSOs with their sent and received serials each in the other's place.
QsoList WithSerialColumnsSwapped(const QsoList& qsos);
