#pragma once
// The section preview of a dialog: one drawing viewer for the dialog's life,
// drawn inside its preview panel.

#include <functional>

#include "model/records.h"
#include "ui/sketch.h"

class QWidget;
class ServiceClient;

namespace vm {

class SectionPreview {
public:
    // Creates the viewer for the application's main window and attaches it
    // to `panel`.
    explicit SectionPreview(QWidget* panel);
    ~SectionPreview();
    SectionPreview(const SectionPreview&) = delete;
    SectionPreview& operator=(const SectionPreview&) = delete;

    // The dialog's show event: the viewer becomes visible.
    void Activate();
    // Clears the viewer, lets `request` ask the service (the answer's drawing
    // block arrives in `record.drawing`), loads and shows it with the
    // construction layers hidden and `legend` under it. The block is
    // released after every attempt; the viewer stays clear when nothing could
    // be loaded. True when a drawing is shown.
    bool Show(Materialdaten& record, const std::function<bool()>& request,
              const std::function<SketchLegend()>& legend = {});
    // The section of one article, as every dialog shows its current entry:
    // asks `_KS_getCut` on the opener's `request` for a cut of that article
    // alone (element code 151, one cut position holding a copy of `article`
    // with `konstType`, the article's id as the article asked for). The
    // request's element code, cut positions and article are restored after
    // the call, and the lists of the main form's rows are kept.
    bool ShowArticle(ServiceClient& service, Materialdaten& request, const velmar_artikel& article,
                     int konstType, const std::function<SketchLegend()>& legend = {});
    void Clear();
    PlanviewDlg* Viewer() const { return viewer_; }

private:
    PlanviewDlg* viewer_ = nullptr;
};

} // namespace vm
