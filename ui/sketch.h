#pragma once
// Section drawings of profiles: the calculation service delivers each as a
// DXF block in the exchange record; these procedures load it into a drawing
// database, hide the construction layers and show it in a dialog's viewer.

#include "platform/drawing/planview.h"
#include "platform/drawing/qv_database.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Materialdaten;

// Layers of a section drawing that only its construction needs, in the
// order they are hidden.
inline constexpr std::array<const char*, 5> kSketchLayers = {
    "ASSEMBLY", "DIM_PROFILE", "DIM_PROFILE_DETAIL", "Defpoints", "MD_SKIZZE"};

// Fills `database` from the drawing block (with "adinit.dat" from the
// component's directory). The block is released whether or not it was read,
// so a second attempt without a new answer loads nothing.
bool LoadSketch(QV_C_DataBase& database, std::vector<std::uint8_t>& block);

// Shows or hides one layer; a drawing without the layer is left as it is.
void SetLayerVisible(QV_C_DataBase& database, const std::string& name, bool visible);

// Hides the construction layers of kSketchLayers.
void HideSketchLayers(QV_C_DataBase& database);

// Loads the drawing block into the host's database for a cut query; a block
// that cannot be read leaves the host a fresh, empty database. The layers
// stay as the drawing has them: the host decides what to show.
bool LoadHostSketch(QV_C_DataBase& hostDatabase, std::vector<std::uint8_t>& block);

// The five legend texts under a dialog's drawing.
using SketchLegend = std::array<std::wstring, 5>;

// Shows a section drawing in a dialog's viewer: clears the viewer, lets
// `request` ask the service for the drawing (the answer's block arrives in
// `record.drawing`), loads it into a fresh database, hides the construction
// layers, sets the legend from `legend` and displays the drawing. When
// nothing could be loaded the viewer stays clear. The record's drawing block
// is released after every attempt. True when a drawing is shown.
bool ShowSketch(PlanviewDlg* viewer, Materialdaten& record, const std::function<bool()>& request,
                const std::function<SketchLegend()>& legend);
