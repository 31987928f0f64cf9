#pragma once

class QWidget;

namespace Quillon {
class TFileDialogs;
}

namespace Brivane {

// Before the sign-in: for each transcript a console that did not end cleanly left behind, asks
// whether to save it now (the dialog of "Save") or discard it. A cancelled dialog or a failed save
// keeps it for the next start.
void OfferLeftoverTranscripts(QWidget* parent, Quillon::TFileDialogs& dialogs);

} // namespace Brivane
