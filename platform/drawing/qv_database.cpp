#include "platform/drawing/qv_database.h"

#include "dxf/dxf_reader.h"
#include "dxf/dxf_text.h"

#include <string_view>
#include <unordered_set>

QV_C_DataBase::QV_C_DataBase(QV_FontCallback fontCallback, void* context)
    : fontCallback_(fontCallback), fontContext_(context) {}

QV_C_DataBase::~QV_C_DataBase() = default;
QV_C_DataBase::QV_C_DataBase(const QV_C_DataBase&) = default;
QV_C_DataBase& QV_C_DataBase::operator=(const QV_C_DataBase&) = default;

QV_C_TabLayer* QV_C_DataBase::GetLayerFromName(const QV_C_String& name) {
    for (QV_C_TabLayer& layer : layers_)
        if (dxf::SameName(layer.Name(), name.str())) return &layer;
    return nullptr;
}

const QV_C_TabLayer* QV_C_DataBase::GetLayerFromName(const QV_C_String& name) const {
    return const_cast<QV_C_DataBase*>(this)->GetLayerFromName(name);
}

void QV_C_DataBase::Clear() {
    layers_.clear();
    drawing_ = dxf::Document{};
    picture_.reset();
}

QV_C_DbStream::QV_C_DbStream(QV_C_DataBase* database, const QV_C_String& initFile,
                             QV_C_XrefManager* xrefManager)
    : database_(database), initFile_(initFile.str()), xrefs_(xrefManager) {}

QV_C_DbStream::~QV_C_DbStream() = default;

namespace {

std::string Upper(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return out;
}

// Entities may use layers the table does not list; like every CAD program we
// give them a layer of their own (visible, colour 7).
void AddUsedLayers(const std::vector<dxf::Entity>& entities, std::deque<QV_C_TabLayer>& layers,
                   std::unordered_set<std::string>& known) {
    for (const dxf::Entity& e : entities) {
        if (known.insert(Upper(e.style.layer)).second) {
            dxf::Layer layer;
            layer.name = e.style.layer;
            layers.emplace_back(std::move(layer));
        }
    }
}

} // namespace

bool QV_C_DbStream::AdMemRead(const void* block, std::uint32_t length, QV_MessageCallback message,
                              void* messageContext, QV_ProgressCallback progress,
                              void* progressContext) {
    error_.clear();
    if (progress) progress(0, progressContext);
    const auto fail = [&](std::string why) {
        error_ = std::move(why);
        if (database_) database_->Clear();
        if (message) message(error_.c_str(), messageContext);
        return false;
    };
    if (!database_) return fail("no database to read into");
    if (!block || length == 0) return fail("no drawing data");

    dxf::ReadResult read = dxf::Read(std::string_view(static_cast<const char*>(block), length));
    if (!read) return fail(read.Message());

    // Build the new content aside and swap it in: a reader never sees a
    // half-filled database.
    std::deque<QV_C_TabLayer> layers;
    for (dxf::Layer& l : read.document.layers) layers.emplace_back(std::move(l));
    read.document.layers.clear();
    std::unordered_set<std::string> known;
    for (const QV_C_TabLayer& l : layers) known.insert(Upper(l.Name()));
    if (known.insert("0").second) {
        dxf::Layer layer;
        layer.name = "0";
        layers.emplace_front(std::move(layer));
    }
    AddUsedLayers(read.document.entities, layers, known);
    for (const dxf::Block& b : read.document.blocks) {
        AddUsedLayers(b.entities, layers, known);
        if (b.external && xrefs_) xrefs_->Add(b.name);
    }
    initError_.clear();
    DrawingSettings settings = LoadDrawingSettings(initFile_, &initError_);

    database_->layers_ = std::move(layers);
    database_->drawing_ = std::move(read.document);
    database_->settings_ = std::move(settings);
    database_->picture_.reset();
    if (progress) progress(100, progressContext);
    return true;
}
