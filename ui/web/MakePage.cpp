// make_page FOLDER SCRIPT [MODULE]: writes the window's web page, FOLDER/index.html, its
// controls and those of the panel below it laid out from their designs (ui/layout) and drawn
// by CSS, loading the script
// SCRIPT, which wires them, and fetching the WebAssembly module MODULE, if any, while the
// script loads (for the page itself quorvane.js, with page.js, and quorvane.wasm: the
// window's handlers); and its web app manifest, FOLDER/manifest.webmanifest, for installing
// it as an app.
//
// The page is written at build time, so that the browser shows the whole window from the
// page's first bytes, before any script has run.

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "ui/layout/Layout.hpp"
#include "ui/layout/PanelLayout.hpp"

namespace {

namespace layout = ui::layout;

// At its natural size one pixel of the design, 15 twips, is one CSS pixel. The window is
// scaled as a whole: to the viewport's width where that is narrower than kLargestScale times
// the natural width (a phone), else to kLargestScale times (a desktop).
constexpr int kTwipsPerCssPixel = layout::kTwipsPerInch / layout::kStandardDpi;
constexpr int kLargestScale = 2;
constexpr int kPointsPerInch = 72;

// The colours of the window's face, its boxes and their edges, as a light Windows or Qt
// desktop draws them.
constexpr std::string_view kFaceColour = "#f0f0f0";
constexpr std::string_view kBoxColour = "#ffffff";
constexpr std::string_view kBoxEdgeColour = "#7a7a7a";
constexpr std::string_view kButtonColour = "#e1e1e1";
constexpr std::string_view kButtonEdgeColour = "#adadad";
constexpr std::string_view kFrameEdgeColour = "#b8b8b8";
constexpr std::string_view kTextColour = "#000000";

// The app's icons, icon-SIZE.png, SIZE pixels square, which ui/web/CMakeLists.txt renders
// from the project's icon at the sizes it names here.
constexpr std::array kIconSizes = {QUORVANE_WEB_ICON_SIZES};

using layout::Kind;

struct ControlPlan {
    const layout::ControlDesign* design;
    // Of a label: the text box or field it names, for screen readers and for the pointer (a
    // click on the label puts the focus in its box).
    const layout::ControlDesign* labels = nullptr;
    // Of a label without a caption (a message or a field): how screen readers hear its
    // changes, as aria-live says it.
    std::string_view live = "assertive";
};

// Every control of the design in the order of the page: those that take the focus in
// keyboard order, each label before the box it names, and the frame's controls after it,
// inside it.
constexpr std::array kPlan = {
    ControlPlan{&layout::kLabel1, &layout::kTxtNGR},
    ControlPlan{&layout::kTxtNGR},
    ControlPlan{&layout::kLabError},
    ControlPlan{&layout::kLabel2, &layout::kTxtLoc},
    ControlPlan{&layout::kTxtLoc},
    ControlPlan{&layout::kCmdQuit},
    ControlPlan{&layout::kFrame1},
    ControlPlan{&layout::kLatlon},
    ControlPlan{&layout::kLabel4, &layout::kLonin},
    ControlPlan{&layout::kLonin},
    ControlPlan{&layout::kLabel3, &layout::kLatin},
    ControlPlan{&layout::kLatin},
};
static_assert(kPlan.size() == layout::kControls.size(), "every control of the design is made");

// The panel's controls, in the same way: the frame first, all the others inside it. Its
// fields are read out when asked for, its note when the reader is idle, its message at once.
constexpr std::array kPanelPlan = {
    ControlPlan{&layout::kFrameWhere},
    ControlPlan{&layout::kLabWhere, &layout::kTxtWhere},
    ControlPlan{&layout::kTxtWhere},
    ControlPlan{&layout::kCmdHere},
    ControlPlan{&layout::kLabGrid, &layout::kWhereGrid},
    ControlPlan{&layout::kWhereGrid, nullptr, "off"},
    ControlPlan{&layout::kLabLatLon, &layout::kWhereLatLon},
    ControlPlan{&layout::kWhereLatLon, nullptr, "off"},
    ControlPlan{&layout::kLabLocator, &layout::kWhereLocator},
    ControlPlan{&layout::kWhereLocator, nullptr, "off"},
    ControlPlan{&layout::kLabWAB, &layout::kWhereWAB},
    ControlPlan{&layout::kWhereWAB, nullptr, "off"},
    ControlPlan{&layout::kLabAccuracy, &layout::kWhereAccuracy},
    ControlPlan{&layout::kWhereAccuracy, nullptr, "off"},
    ControlPlan{&layout::kWhereNote, nullptr, "polite"},
    ControlPlan{&layout::kWhereMessage, nullptr, "assertive"},
};
static_assert(kPanelPlan.size() == layout::kPanelControls.size(),
              "every control of the panel's design is made");

// An area of the page: its element's id, its size, and its controls.
struct AreaPlan {
    std::string_view id;
    layout::TwipRect area;
    std::span<const ControlPlan> controls;
    std::span<const layout::ControlDesign* const> focusOrder;
};
constexpr std::array kAreas = {
    AreaPlan{"frmQuor", layout::kClientArea, kPlan, layout::kFocusOrder},
    AreaPlan{"frmWhere", layout::kPanelArea, kPanelPlan, layout::kPanelFocusOrder},
};

constexpr bool TakesFocus(Kind kind) {
    return kind == Kind::kTextBox || kind == Kind::kButton;
}

constexpr bool InPageOrder(const AreaPlan& area) {
    std::size_t next = 0;  // in the keyboard order
    bool afterFrame = false;
    for (const ControlPlan& plan : area.controls) {
        const layout::ControlDesign& design = *plan.design;
        if (TakesFocus(design.kind)) {
            if (next == area.focusOrder.size() || area.focusOrder[next] != &design) {
                return false;
            }
            ++next;
        }
        // Every label with a caption names a box; the message line names none.
        const bool namesBox = design.kind == Kind::kLabel && !design.caption.empty();
        if (namesBox != (plan.labels != nullptr) || design.inFrame != afterFrame) {
            return false;
        }
        afterFrame = afterFrame || design.kind == Kind::kFrame;
    }
    return next == area.focusOrder.size();
}
static_assert(InPageOrder(kAreas[0]) && InPageOrder(kAreas[1]),
              "the controls that take the focus come in keyboard order, labels "
              "with their boxes, the frame's controls after it");

// `twips` as CSS, scaled with the window.
std::string Length(int twips) {
    return "calc(" + std::to_string(twips) + " * var(--twip))";
}

// Text as HTML's text and attribute values take it.
std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// `colour` as CSS writes it, "#rrggbb".
std::string Hex(layout::Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text.data();
}

// The design's families, best first, and the browser's own sans-serif where it has none.
std::string Families() {
    std::string families;
    for (const std::string_view family : layout::kFontFamilies) {
        families += "\"" + std::string(family) + "\", ";
    }
    return families + "sans-serif";
}

// `rule`'s selector in each area of the page: "#frmQuor input, #frmWhere input".
std::string InEachArea(std::string_view selector) {
    std::string selectors;
    for (const AreaPlan& area : kAreas) {
        selectors +=
            (selectors.empty() ? "#" : ", #") + std::string(area.id) + std::string(selector);
    }
    return selectors;
}

void WriteStyle(std::ostream& out) {
    const int fontTwips =
        static_cast<int>(layout::kPointSize * layout::kTwipsPerInch / kPointsPerInch);
    const int pixel = kTwipsPerCssPixel;
    // The width to fill is the body's, without a scroll bar beside it where the browser
    // measures container widths; the viewport's elsewhere. The panel is scaled as the window.
    const auto scale = [](std::string_view width) {
        return "min(" + std::to_string(kLargestScale) + "px / " +
               std::to_string(kTwipsPerCssPixel) + ", " + std::string(width) + " / " +
               std::to_string(layout::kClientArea.width) + ")";
    };
    out << ":root { color-scheme: light; background: " << kFaceColour
        << "; -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }\n"
        << "body { margin: 0; }\n"
        << InEachArea("") << " { --twip: " << scale("100vw") << "; }\n"
        << "@supports (width: 1cqw) { body { container-type: inline-size; } " << InEachArea("")
        << " { --twip: " << scale("100cqw") << "; } }\n";
    for (const AreaPlan& area : kAreas) {
        out << '#' << area.id << " { width: " << Length(area.area.width)
            << "; height: " << Length(area.area.height) << "; }\n";
    }
    out << InEachArea("") << " { position: relative; margin: 0 auto; font: " << Length(fontTwips)
        << " " << Families() << "; color: " << kTextColour << "; background: " << kFaceColour
        << "; }\n"
        << InEachArea(" *")
        << " { position: absolute; box-sizing: border-box; margin: 0; padding: 0; "
           "font: inherit; color: inherit; white-space: nowrap; }\n"
        << InEachArea(" label") << ", " << InEachArea(" output")
        << " { display: flex; align-items: center; }\n"
        << InEachArea(" input") << " { padding: 0 " << Length(2 * pixel)
        << "; border: " << Length(pixel) << " solid " << kBoxEdgeColour
        << "; background: " << kBoxColour << "; border-radius: 0; }\n"
        << InEachArea(" button") << " { border: " << Length(pixel) << " solid " << kButtonEdgeColour
        << "; background: " << kButtonColour << "; border-radius: 0; }\n"
        << InEachArea(" button:active") << ", " << InEachArea(" button[aria-pressed=\"true\"]")
        << " { background: " << kFrameEdgeColour
        << "; }\n"
        // The frame's edge runs through the middle of its caption's line, which hides it.
        << InEachArea(" fieldset") << " { border: 0; min-width: 0; }\n"
        << InEachArea(" fieldset::before")
        << " { content: \"\"; position: absolute; left: 0; right: 0; bottom: 0; top: "
        << Length(fontTwips * 3 / 5) << "; border: " << Length(pixel) << " solid "
        << kFrameEdgeColour << "; }\n"
        << InEachArea(" legend") << " { left: " << Length(6 * pixel) << "; top: 0; padding: 0 "
        << Length(2 * pixel) << "; background: " << kFaceColour << "; }\n";
    for (const layout::ControlDesign* wrapped : layout::kWrappedControls) {
        out << '#' << wrapped->name
            << " { white-space: normal; align-items: flex-start; overflow-wrap: anywhere; }\n";
    }

    for (const AreaPlan& area : kAreas) {
        for (const ControlPlan& plan : area.controls) {
            const layout::ControlDesign& design = *plan.design;
            const layout::TwipRect r = design.place;
            out << '#' << design.name << " { left: " << Length(r.left) << "; top: " << Length(r.top)
                << "; width: " << Length(r.width) << "; height: " << Length(r.height) << ";";
            if (design.kind == Kind::kLabel) {
                constexpr std::array kJustify = {"flex-start", "center", "flex-end"};
                out << " justify-content: "
                    << kJustify.at(static_cast<std::size_t>(design.alignment)) << ";";
            }
            if (design.bold) {
                out << " font-weight: " << layout::kBoldWeight << ";";
            }
            if (design.colour) {
                out << " color: " << Hex(*design.colour) << ";";
            }
            out << " }\n";
        }
    }
}

void WriteControl(std::ostream& out, const ControlPlan& plan) {
    const std::string id = Escaped(plan.design->name);
    const std::string caption = Escaped(plan.design->caption);
    switch (plan.design->kind) {
        case Kind::kLabel:
            if (plan.labels == nullptr) {
                // The message line, read out by screen readers whenever it changes.
                out << "<output id=\"" << id << "\" aria-live=\"" << plan.live << "\"></output>\n";
            } else {
                out << "<label id=\"" << id << "\" for=\"" << Escaped(plan.labels->name) << "\">"
                    << caption << "</label>\n";
            }
            break;
        case Kind::kTextBox:
            out << "<input id=\"" << id
                << "\" type=\"text\" autocomplete=\"off\" autocapitalize=\"characters\" "
                   "spellcheck=\"false\"";
            if (plan.design == &layout::kTxtNGR) {
                out << " title=\"" << Escaped(layout::kTxtNGRToolTip) << "\"";
            }
            if (plan.design == layout::kFocusOrder.front()) {
                out << " autofocus";
            }
            out << ">\n";
            break;
        case Kind::kButton:
            out << "<button id=\"" << id << "\" type=\"button\"";
            if (plan.design == &layout::kCmdHere) {
                // Pressed while it follows the phone's position.
                out << " aria-pressed=\"false\"";
            }
            out << ">" << caption << "</button>\n";
            break;
        case Kind::kFrame:
            out << "<fieldset id=\"" << id << "\"><legend>" << caption << "</legend>\n";
            break;
    }
}

// What the page loads: its script, and the module the script instantiates, or none.
struct Scripts {
    std::string_view script;
    std::string_view module;
};

void WritePage(std::ostream& out, Scripts scripts) {
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<title>" << Escaped(layout::kTitle) << "</title>\n"
        << "<meta name=\"theme-color\" content=\"" << kFaceColour << "\">\n"
        << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n";
    if (!scripts.module.empty()) {
        // Fetched as the script will ask for it, so that the script finds it on its way.
        out << "<link rel=\"preload\" href=\"" << Escaped(scripts.module)
            << "\" as=\"fetch\" type=\"application/wasm\" crossorigin>\n";
    }
    out << "<link rel=\"icon\" href=\"icon-" << kIconSizes.front() << ".png\">\n"
        << "<link rel=\"apple-touch-icon\" href=\"icon-" << kIconSizes.front() << ".png\">\n"
        << "<style>\n";
    WriteStyle(out);
    out << "</style>\n</head>\n<body>\n<main id=\"frmQuor\">\n";
    for (const ControlPlan& plan : kPlan) {
        WriteControl(out, plan);
    }
    out << "</fieldset>\n</main>\n<section id=\"frmWhere\" aria-label=\"Where\">\n";
    for (const ControlPlan& plan : kPanelPlan) {
        WriteControl(out, plan);
    }
    out << "</fieldset>\n</section>\n<script src=\"" << Escaped(scripts.script) << "\"></script>\n"
        << "</body>\n</html>\n";
}

void WriteManifest(std::ostream& out, Scripts /*unused*/) {
    out << "{\n"
        << "    \"name\": \"Quorvane\",\n"
        << "    \"short_name\": \"Quorvane\",\n"
        << "    \"description\": \"National Grid reference to latitude, longitude and IARU "
           "locator\",\n"
        << "    \"start_url\": \"./\",\n"
        << "    \"scope\": \"./\",\n"
        << "    \"display\": \"standalone\",\n"
        << "    \"background_color\": \"" << kFaceColour << "\",\n"
        << "    \"theme_color\": \"" << kFaceColour << "\",\n"
        << "    \"icons\": [\n";
    for (std::size_t i = 0; i < kIconSizes.size(); ++i) {
        const std::string size = std::to_string(kIconSizes.at(i));
        out << "        {\"src\": \"icon-" << size << ".png\", \"sizes\": \"" << size << 'x' << size
            << "\", \"type\": \"image/png\"}" << (i + 1 < kIconSizes.size() ? "," : "") << "\n";
    }
    out << "    ]\n}\n";
}

// Writes `path` whole, or says why not.
bool Write(const std::string& path, void (*write)(std::ostream&, Scripts), Scripts scripts) {
    std::ofstream out(path, std::ios::binary);
    write(out, scripts);
    out.close();
    if (!out) {
        std::cerr << "make_page: cannot write " << path << "\n";
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: make_page FOLDER SCRIPT [MODULE]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const Scripts scripts{argv[2], argc == 4 ? argv[3] : ""};
    const bool written = Write(folder + "/index.html", WritePage, scripts) &&
                         Write(folder + "/manifest.webmanifest", WriteManifest, scripts);
    return written ? 0 : 1;
}
