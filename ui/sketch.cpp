#include "ui/sketch.h"

#include "model/materialdaten.h"
#include "platform/drawing/adinit.h"

bool LoadSketch(QV_C_DataBase& database, std::vector<std::uint8_t>& block) {
    QV_C_XrefManager xrefs;
    bool read = false;
    {
        QV_C_DbStream stream(&database, QV_C_String(DrawingInitFile()), &xrefs);
        // An absent block is no drawing: the stream is not asked and the
        // database stays as it is.
        if (!block.empty())
            read = stream.AdMemRead(block.data(), static_cast<std::uint32_t>(block.size()), nullptr,
                                    nullptr, nullptr, nullptr);
    }
    std::vector<std::uint8_t>().swap(block);
    return read;
}

void SetLayerVisible(QV_C_DataBase& database, const std::string& name, bool visible) {
    if (QV_C_TabLayer* layer = database.GetLayerFromName(QV_C_String(name)))
        layer->ModVisibility(visible);
}

void HideSketchLayers(QV_C_DataBase& database) {
    for (const char* name : kSketchLayers) SetLayerVisible(database, name, false);
}

bool LoadHostSketch(QV_C_DataBase& hostDatabase, std::vector<std::uint8_t>& block) {
    const bool hadBlock = !block.empty();
    if (LoadSketch(hostDatabase, block)) return true;
    if (hadBlock) hostDatabase = QV_C_DataBase(nullptr, nullptr);
    return false;
}

bool ShowSketch(PlanviewDlg* viewer, Materialdaten& record, const std::function<bool()>& request,
                const std::function<SketchLegend()>& legend) {
    if (viewer) viewer->Clear();
    if (request) request();
    QV_C_DataBase database(nullptr, nullptr);
    const bool loaded = LoadSketch(database, record.drawing);
    if (!viewer) return loaded;
    if (!loaded) {
        viewer->Clear();
        return false;
    }
    HideSketchLayers(database);
    SketchLegend texts = legend ? legend() : SketchLegend{};
    viewer->SetLegend(texts[0], texts[1], texts[2], texts[3], texts[4]);
    viewer->Display(&database);
    return true;
}
