#include "ui/preview.h"

#include <QApplication>
#include <QWidget>

#include <utility>

#include "model/ks_lists.h"
#include "service/service_client.h"
#include "ui/request_lists.h"

namespace vm {

namespace {

constexpr int kSingleArticleOpening = 945;

QWidget* ApplicationWindow() {
    if (QWidget* active = QApplication::activeWindow()) return active->window();
    return nullptr;
}
} // namespace

SectionPreview::SectionPreview(QWidget* panel) {
    InitializePlanview(ApplicationWindow());
    viewer_ = CreatePlanviewDlg();
    if (viewer_ != nullptr) viewer_->Attach(panel);
}

SectionPreview::~SectionPreview() {
    if (viewer_ != nullptr) viewer_->Release();
}

void SectionPreview::Activate() {
    if (viewer_ != nullptr) viewer_->Show(true);
}

bool SectionPreview::Show(Materialdaten& record, const std::function<bool()>& request,
                          const std::function<SketchLegend()>& legend) {
    return ShowSketch(viewer_, record, request, legend);
}

bool SectionPreview::ShowArticle(ServiceClient& service, Materialdaten& request,
                                 const velmar_artikel& article, int konstType,
                                 const std::function<SketchLegend()>& legend) {
    return Show(
        request,
        [&] {
            const int elementCode = request.elementCode;
            const int articleId = request.articleId;
            std::vector<velmar_cutpos> positions = std::move(request.cutPositions);
            velmar_cutpos position;
            position.flag2 = false;
            for (velmar_oeffnung_artikel* opening :
                 {&position.opening1, &position.opening2, &position.opening3})
                opening->number = kSingleArticleOpening;
            velmar_artikel cut = article;
            cut.konstType = konstType;
            position.opening1.artikel.items.push_back(std::move(cut));
            request.elementCode = ks_element::oneArticle;
            request.cutPositions = {std::move(position)};
            request.articleId = article.nameId.id;
            const bool ok =
                CallKeepingLists(request, {}, [&](Materialdaten& r) { return service.getCut(r); });
            request.elementCode = elementCode;
            request.articleId = articleId;
            request.cutPositions = std::move(positions);
            return ok;
        },
        legend);
}

void SectionPreview::Clear() {
    if (viewer_ != nullptr) viewer_->Clear();
}

} // namespace vm
