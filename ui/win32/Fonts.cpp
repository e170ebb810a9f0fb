#include "Fonts.hpp"

#include <cmath>
#include <cwchar>

#include "Dpi.hpp"
#include "Text.hpp"
#include "ui/layout/Layout.hpp"

namespace ui::win32 {
namespace {

constexpr int kPointsPerInch = 72;

// The room, in pixels at 96 dpi, that a push button's border and focus rectangle take on
// each side of its text, and that a group box leaves before and after its title.
constexpr int kButtonSideRoom = 3;
constexpr int kButtonEdgeRoom = 2;
constexpr int kFrameTitleRoom = 8;

// A memory device context with `font` selected, released with it.
class MeasuringContext {
  public:
    explicit MeasuringContext(HFONT font)
        : context_(CreateCompatibleDC(nullptr)), old_(SelectObject(context_, font)) {}
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;
    ~MeasuringContext() {
        SelectObject(context_, old_);
        DeleteDC(context_);
    }

    [[nodiscard]] int Width(std::wstring_view text) const {
        SIZE size{};
        GetTextExtentPoint32W(context_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    [[nodiscard]] int Height() const {
        TEXTMETRICW metrics{};
        GetTextMetricsW(context_, &metrics);
        return metrics.tmHeight;
    }

  private:
    HDC context_;
    HGDIOBJ old_;
};

// Whether `design`'s caption, drawn in `context`'s font, fits its rectangle at `dpi` less
// the room its kind of control takes on the left and right and above and below.
bool Fits(const MeasuringContext& context, const layout::ControlDesign& design, UINT dpi) {
    int sideRoom = 0;
    int edgeRoom = 0;
    if (design.kind == layout::Kind::kButton) {
        sideRoom = kButtonSideRoom;
        edgeRoom = kButtonEdgeRoom;
    } else if (design.kind == layout::Kind::kFrame) {
        sideRoom = kFrameTitleRoom;
    }
    const layout::PixelRect box = layout::Pixels(design.place, static_cast<int>(dpi));
    return context.Width(Widen(design.caption)) + 2 * Scale(sideRoom, dpi) <= box.width &&
           context.Height() + 2 * Scale(edgeRoom, dpi) <= box.height;
}

int CALLBACK NoteFamily(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                        LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

}  // namespace

bool IsInstalled(std::wstring_view family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (family.empty() || family.size() >= LF_FACESIZE) {
        return false;
    }
    family.copy(wanted.lfFaceName, family.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring MessageFontFamily() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        return L"MS Shell Dlg 2";  // the dialogs' own alias for it
    }
    return metrics.lfMessageFont.lfFaceName;
}

WindowFonts MakeFonts(std::wstring_view family, double pointSize, UINT dpi) {
    LOGFONTW font{};
    // A negative height asks for the character height (the point size) rather than the
    // cell height.
    font.lfHeight = -static_cast<LONG>(std::lround(pointSize * dpi / kPointsPerInch));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    family.substr(0, LF_FACESIZE - 1).copy(font.lfFaceName, LF_FACESIZE - 1);
    WindowFonts fonts{std::wstring(family), pointSize, UniqueFont(CreateFontIndirectW(&font)), {}};
    font.lfWeight = layout::kBoldWeight;
    fonts.bold.reset(CreateFontIndirectW(&font));
    return fonts;
}

bool CaptionsFit(const WindowFonts& fonts, UINT dpi) {
    const MeasuringContext bold(fonts.bold.get());
    const MeasuringContext regular(fonts.regular.get());
    return layout::EveryCaptionFits([&](const layout::ControlDesign& design) {
        return Fits(design.bold ? bold : regular, design, dpi);
    });
}

WindowFonts ChooseFonts(UINT dpi, std::span<const std::string_view> families) {
    const std::wstring messageFamily = MessageFontFamily();
    const auto fonts = [&](const layout::FontChoice& choice) {
        return MakeFonts(choice.family.empty() ? messageFamily : Widen(choice.family),
                         choice.pointSize, dpi);
    };
    return fonts(layout::ChooseFont(
        families, [](std::string_view family) { return IsInstalled(Widen(family)); },
        [&](const layout::FontChoice& choice) { return CaptionsFit(fonts(choice), dpi); }));
}

}  // namespace ui::win32
