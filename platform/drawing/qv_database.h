// The drawing database: the layers and entities of one section drawing,
// filled from a DXF block in memory. A host that receives a database from the
// component can switch layers, render it to a painter or export it.
#pragma once

#include "dxf/dxf_document.h"
#include "platform/drawing/adinit.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QRectF;
class QSize;
class QString;
class QV_DrawingPicture;

// Maps a text style name to a font family; null keeps the init file's font.
using QV_FontCallback = const char* (*)(const char* styleName, void* context);
// Receives a message of the stream (why a block was not read).
using QV_MessageCallback = void (*)(const char* message, void* context);
// Receives the progress of a read in percent (0 and 100).
using QV_ProgressCallback = void (*)(int percent, void* context);

class QV_C_String {
public:
    QV_C_String(const char* text) : text_(text ? text : "") {}
    QV_C_String(std::string text) : text_(std::move(text)) {}
    const char* c_str() const { return text_.c_str(); }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

class QV_C_TabLayer {
public:
    explicit QV_C_TabLayer(dxf::Layer layer) : layer_(std::move(layer)) {}

    const std::string& Name() const { return layer_.name; }
    bool IsVisible() const { return !layer_.off && !layer_.frozen; }
    // Shows or hides the layer; showing also thaws a frozen layer.
    void ModVisibility(bool visible) {
        layer_.off = !visible;
        if (visible) layer_.frozen = false;
    }
    const dxf::Layer& Data() const { return layer_; }

private:
    dxf::Layer layer_;
};

// External references met while reading; they are listed, not loaded.
class QV_C_XrefManager {
public:
    QV_C_XrefManager() = default;
    void Add(const std::string& blockName) { references_.push_back(blockName); }
    const std::vector<std::string>& References() const { return references_; }

private:
    std::vector<std::string> references_;
};

class QV_C_DataBase {
public:
    explicit QV_C_DataBase(QV_FontCallback fontCallback = nullptr, void* context = nullptr);
    ~QV_C_DataBase();
    QV_C_DataBase(const QV_C_DataBase&);
    QV_C_DataBase& operator=(const QV_C_DataBase&);

    // Case-insensitive, as layer names in drawings are; null when missing.
    // The pointer stays valid until the database is read again or assigned.
    QV_C_TabLayer* GetLayerFromName(const QV_C_String& name);
    const QV_C_TabLayer* GetLayerFromName(const QV_C_String& name) const;

    bool IsEmpty() const { return layers_.empty() && drawing_.entities.empty(); }
    void Clear();
    const std::deque<QV_C_TabLayer>& Layers() const { return layers_; }
    // Entities and blocks; the layer table lives in Layers().
    const dxf::Document& Drawing() const { return drawing_; }
    const DrawingSettings& Settings() const { return settings_; }
    QV_FontCallback FontCallback() const { return fontCallback_; }
    void* FontContext() const { return fontContext_; }

    // Rendering of the visible layers (needs a QGuiApplication). The picture
    // is built at the first use and kept until the content or a layer's
    // visibility changes.
    std::shared_ptr<const QV_DrawingPicture> Picture() const;
    // Bounding box in drawing units (y up); empty without visible entities.
    QRectF Extents() const;
    // Elements left out of the picture by the init file's limits; 0 when it
    // is complete.
    std::size_t Dropped() const;
    // Draws the drawing fitted into `target` on the settings' background.
    void Render(QPainter& painter, const QRectF& target) const;
    bool SavePng(const QString& path, const QSize& size) const;
    bool SaveSvg(const QString& path, const QSize& size) const;

private:
    friend class QV_C_DbStream;
    QV_FontCallback fontCallback_ = nullptr;
    void* fontContext_ = nullptr;
    std::deque<QV_C_TabLayer> layers_; // stable addresses for GetLayerFromName
    dxf::Document drawing_;
    DrawingSettings settings_;
    mutable std::shared_ptr<const QV_DrawingPicture> picture_;
    mutable std::vector<bool> pictureLayers_; // visibility the picture was built with
};

// Reads DXF blocks into a database, with the settings of an init file.
class QV_C_DbStream {
public:
    QV_C_DbStream(QV_C_DataBase* database, const QV_C_String& initFile,
                  QV_C_XrefManager* xrefManager);
    ~QV_C_DbStream();
    QV_C_DbStream(const QV_C_DbStream&) = delete;
    QV_C_DbStream& operator=(const QV_C_DbStream&) = delete;

    // Replaces the database's content with the DXF drawing in
    // block[0..length). True only when the whole block was read; otherwise
    // the database is left empty and the message callback hears why.
    bool AdMemRead(const void* block, std::uint32_t length, QV_MessageCallback message = nullptr,
                   void* messageContext = nullptr, QV_ProgressCallback progress = nullptr,
                   void* progressContext = nullptr);

    // Why the last read failed; empty after a success.
    const std::string& LastError() const { return error_; }
    // Why the init file was not used (the defaults were); empty when it was.
    const std::string& InitFileError() const { return initError_; }

private:
    QV_C_DataBase* database_;
    std::string initFile_;
    QV_C_XrefManager* xrefs_;
    std::string error_, initError_;
};
