#pragma once

#include "ChartPanel.h"

#include <cstdint>

enum TPanningMode : std::uint8_t { pmNone = 0, pmHorizontal = 1, pmVertical = 2, pmBoth = 3 };

// The panel with the settings of mouse zooming and panning.
class TCustomChartPanelExtended : public TCustomChartPanel {
    Q_OBJECT
public:
    using TCustomChartPanel::TCustomChartPanel;

    struct TGradient {
        bool Visible = false;
    } Gradient;
    bool AllowZoom = true;
    TPanningMode AllowPanning = pmBoth;
    bool AnimatedZoom = false;
};
