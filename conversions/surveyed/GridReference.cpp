#include "conversions/surveyed/GridReference.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "conversions/GridLetters.hpp"
#include "runtime/DoubleText.hpp"
#include "runtime/Text.hpp"

namespace Surveyed {
namespace {

// Grid letters index 5 x 5 tables of squares (GridLetters.hpp), whose rows are counted here
// from the north. On the National Grid the false origin is the south-west corner of the
// 500 km square S, which sits in column 2 and row 3 of its table, and of its 100 km square V,
// column 0 and row 4; on the Irish Grid it is the south-west corner of V.
using GridLetters::kPerRow;
constexpr int kOriginColumn = 2;
constexpr int kOriginRow = 3;
constexpr int kBottomRow = 4;
constexpr std::int64_t kLargeSquareMetres = 500'000;
constexpr std::int64_t kSmallSquareMetres = 100'000;
// The 500 km squares of the National Grid: H (Shetland, Orkney) and J (the sea east of them),
// N and O (Scotland and the north of England), S and T (the rest).
constexpr std::string_view kFirstLetters = "HJNOST";
// Digits of one half of the most precise reference.
constexpr int kMaxHalfDigits = kMaxReferenceDigits / 2;

// The cuts of a 10 km square. Tetrads, 2 km: the DINTY letters, A to Z without O, in columns
// of kPerRow from the west, each column from the south. Quadrants, 5 km: each with the corner
// of its square, in its own steps from the 10 km square's south-west corner.
constexpr std::int64_t kTenKilometres = 10'000;
constexpr std::int64_t kTetradMetres = 2'000;
constexpr std::string_view kTetradLetters = "ABCDEFGHIJKLMNPQRSTUVWXYZ";
constexpr std::int64_t kQuadrantMetres = 5'000;
struct Quadrant {
    std::string_view letters;
    std::int64_t east, north;
};
constexpr std::array<Quadrant, 4> kQuadrants = {{
    {"SW", 0, 0},
    {"SE", 1, 0},
    {"NW", 0, 1},
    {"NE", 1, 1},
}};
static_assert(kTetradLetters.size() == kPerRow * kPerRow &&
              kTetradMetres * kPerRow == kTenKilometres && kQuadrantMetres * 2 == kTenKilometres);

// A lettered 100 km square: its grid and the metres of its south-west corner.
struct Square {
    Grid grid = Grid::kNone;
    std::int64_t easting = 0;
    std::int64_t northing = 0;
};

// The Military Grid Reference System's 100 km squares of UTM zone 30 that hold the Channel
// Islands (DMA TM 8358.1, "Datums, Ellipsoids, Grids and Grid Reference Systems", chapter 3):
// in zones 30, 36, ... the column letters S to Z stand for 100 to 800 km east, so W for 500 to
// 600 km; in an even zone the row letters, A to V without I and O, begin with F at the
// equator and repeat every 2000 km, so V and A stand for 5400 to 5500 and 5500 to 5600 km
// north. Jersey, Guernsey, Sark and the Minquiers lie in WV, Alderney and the Casquets in WA.
struct ChannelIslandsSquare {
    std::string_view letters;
    Square square;
};
constexpr std::array<ChannelIslandsSquare, 2> kChannelIslandsSquares = {{
    {"WV", {Grid::kUtm30, 500'000, 5'400'000}},
    {"WA", {Grid::kUtm30, 500'000, 5'500'000}},
}};
constexpr char kChannelIslandsLetter = 'W';
// One column of squares, from the south: LetteredArea and GridReferenceOf take them so.
static_assert(kChannelIslandsSquares[1].square.easting ==
                  kChannelIslandsSquares[0].square.easting &&
              kChannelIslandsSquares[1].square.northing ==
                  kChannelIslandsSquares[0].square.northing + 100'000);

// The lettered squares of each grid, as a rectangle of metres: its south-west corner, and
// its north-east corner just beyond it.
struct Lettered {
    std::int64_t minEasting, minNorthing, endEasting, endNorthing;
};
constexpr Lettered LetteredArea(Grid grid) noexcept {
    switch (grid) {
        case Grid::kGreatBritain:
            return {0, 0, static_cast<std::int64_t>(kLetteredEastingLimit),
                    static_cast<std::int64_t>(kLetteredNorthingLimit)};
        case Grid::kIrish:
            return {0, 0, kPerRow * kSmallSquareMetres, kPerRow * kSmallSquareMetres};
        case Grid::kUtm30:
            return {
                kChannelIslandsSquares[0].square.easting, kChannelIslandsSquares[0].square.northing,
                kChannelIslandsSquares[0].square.easting + kSmallSquareMetres,
                kChannelIslandsSquares[0].square.northing +
                    kSmallSquareMetres * static_cast<std::int64_t>(kChannelIslandsSquares.size())};
        case Grid::kNone:
            break;
    }
    return {};
}

using runtime::IsDigit;
using runtime::IsLetter;
using runtime::TakeBlanks;
using runtime::TakeDigits;
using runtime::UpperCase;

GridReading Fault(ReadingFault fault, std::string_view culprit) noexcept {
    return {fault, culprit, Grid::kNone, {}};
}

// The value of 0 to 5 digits as metres within the 100 km square, at the centre of the step
// the last digit counts.
double HalfPosition(std::string_view digits) noexcept {
    double step = static_cast<double>(kSmallSquareMetres);
    double metres = 0;
    for (const char c : digits) {
        step /= 10;
        metres += (c - '0') * step;
    }
    return metres + step / 2;
}

// The south-west corner of the square of a table's letter (IsGridLetter), the table's
// south-west corner at (0, 0) and its squares of `side` metres.
Square TableSquare(Grid grid, char letter, std::int64_t side) noexcept {
    const int index = GridLetters::IndexOf(UpperCase(letter));
    return {grid, index % kPerRow * side, (kBottomRow - index / kPerRow) * side};
}

// The square of a reference's letters, and how many letters that takes off `text`; a fault
// when the letters name none.
GridReading ReadSquare(std::string_view& text, Square& square) noexcept {
    const char first = UpperCase(text[0]);
    // One letter, when digits, blanks or nothing follow it; anything else in the place of a
    // second letter is a wrong second letter.
    const std::string_view afterFirst = text.substr(1);
    if (afterFirst.empty() || IsDigit(afterFirst.front()) || runtime::BlankLength(afterFirst) > 0) {
        if (!GridLetters::IsGridLetter(first))
            return Fault(ReadingFault::kBadIrishLetter, runtime::FirstCharacter(text));
        square = TableSquare(Grid::kIrish, first, kSmallSquareMetres);
        text.remove_prefix(1);
        return {};
    }
    if (!IsLetter(text[1]))
        return Fault(ReadingFault::kBadSecondLetter, runtime::FirstCharacter(afterFirst));
    const char second = UpperCase(text[1]);
    if (first == kChannelIslandsLetter) {
        const auto found = std::find_if(
            kChannelIslandsSquares.begin(), kChannelIslandsSquares.end(),
            [second](const ChannelIslandsSquare& s) { return s.letters[1] == second; });
        if (found == kChannelIslandsSquares.end())
            return Fault(ReadingFault::kBadChannelIslandsSquare, text.substr(0, 2));
        square = found->square;
    } else {
        if (kFirstLetters.find(first) == std::string_view::npos)
            return Fault(ReadingFault::kBadFirstLetter, runtime::FirstCharacter(text));
        if (!GridLetters::IsGridLetter(second))
            return Fault(ReadingFault::kBadSecondLetter, text.substr(1, 1));
        // The false origin is at the south-west corner of the 500 km square in kOriginColumn
        // and kOriginRow.
        const Square large = TableSquare(Grid::kGreatBritain, first, kLargeSquareMetres);
        const Square small = TableSquare(Grid::kGreatBritain, second, kSmallSquareMetres);
        square = {Grid::kGreatBritain,
                  large.easting - kOriginColumn * kLargeSquareMetres + small.easting,
                  large.northing - (kBottomRow - kOriginRow) * kLargeSquareMetres + small.northing};
    }
    text.remove_prefix(2);
    return {};
}

// The south-west corner, within its 10 km square, and the side of the tetrad or quadrant
// `letters` name; a fault naming them when they name none.
GridReading ReadCut(std::string_view letters, std::int64_t& east, std::int64_t& north,
                    std::int64_t& side) noexcept {
    if (letters.size() == 1) {
        const std::size_t index = kTetradLetters.find(UpperCase(letters[0]));
        if (index == std::string_view::npos)
            return Fault(ReadingFault::kBadTetradLetter, letters);
        side = kTetradMetres;
        east = static_cast<std::int64_t>(index) / kPerRow * side;
        north = static_cast<std::int64_t>(index) % kPerRow * side;
        return {};
    }
    const auto found =
        std::find_if(kQuadrants.begin(), kQuadrants.end(), [letters](const Quadrant& q) {
            return letters.size() == 2 && UpperCase(letters[0]) == q.letters[0] &&
                   UpperCase(letters[1]) == q.letters[1];
        });
    if (found == kQuadrants.end())
        return Fault(ReadingFault::kBadQuadrant, letters);
    side = kQuadrantMetres;
    east = found->east * side;
    north = found->north * side;
    return {};
}

GridReading ReadReference(std::string_view text) noexcept {
    Square square;
    std::string_view rest = text;
    if (const GridReading letters = ReadSquare(rest, square); letters.fault != ReadingFault::kNone)
        return letters;

    // One run of digits, or two separated by blanks.
    TakeBlanks(rest);
    const char* const digitsStart = rest.data();
    std::string_view easting = TakeDigits(rest);
    std::string_view northing;
    if (!TakeBlanks(rest).empty())
        northing = TakeDigits(rest);
    const std::string_view digits = runtime::TrimBlanks(
        std::string_view(digitsStart, static_cast<std::size_t>(rest.data() - digitsStart)));

    // Letters to the end: a tetrad or a quadrant of the 10 km square, one digit each way.
    std::string_view cut = rest;
    TakeBlanks(cut);
    if (!cut.empty() && std::all_of(cut.begin(), cut.end(), [](char c) { return IsLetter(c); })) {
        const bool tenKilometres =
            northing.empty() ? easting.size() == 2 : easting.size() == 1 && northing.size() == 1;
        if (!tenKilometres) {
            return Fault(ReadingFault::kNotTenKilometres,
                         text.substr(static_cast<std::size_t>(digitsStart - text.data())));
        }
        std::int64_t east = 0;
        std::int64_t north = 0;
        std::int64_t side = 0;
        if (const GridReading named = ReadCut(cut, east, north, side);
            named.fault != ReadingFault::kNone) {
            return named;
        }
        const std::int64_t column = easting[0] - '0';
        const std::int64_t row = (northing.empty() ? easting[1] : northing[0]) - '0';
        return {ReadingFault::kNone,
                {},
                square.grid,
                {static_cast<double>(square.easting + column * kTenKilometres + east) +
                     static_cast<double>(side) / 2,
                 static_cast<double>(square.northing + row * kTenKilometres + north) +
                     static_cast<double>(side) / 2}};
    }
    if (!rest.empty()) {
        if (runtime::BlankLength(rest) > 0 || IsDigit(rest.front()))
            return Fault(ReadingFault::kTooManyGroups, runtime::TrimBlanks(rest));
        return Fault(ReadingFault::kNotADigit, runtime::FirstCharacter(rest));
    }
    if (northing.empty()) {
        if (easting.size() > kMaxReferenceDigits)
            return Fault(ReadingFault::kTooManyDigits, digits);
        if (easting.size() % 2 != 0)
            return Fault(ReadingFault::kOddDigits, digits);
        northing = easting.substr(easting.size() / 2);
        easting = easting.substr(0, easting.size() / 2);
    } else if (easting.size() != northing.size()) {
        return Fault(ReadingFault::kUnevenHalves, digits);
    } else if (easting.size() > kMaxHalfDigits) {
        return Fault(ReadingFault::kTooManyDigits, digits);
    }
    return {ReadingFault::kNone,
            {},
            square.grid,
            {static_cast<double>(square.easting) + HalfPosition(easting),
             static_cast<double>(square.northing) + HalfPosition(northing)}};
}

// [-]digits[.digits], or none.
bool ReadMetres(std::string_view text, double& metres) noexcept {
    std::string_view rest = text;
    if (rest.starts_with('-'))
        rest.remove_prefix(1);
    if (TakeDigits(rest).empty())
        return false;
    if (rest.starts_with('.')) {
        rest.remove_prefix(1);
        if (TakeDigits(rest).empty())
            return false;
    }
    if (!rest.empty())
        return false;
    const std::optional<double> value = runtime::ReadDecimal(text);
    if (!value)
        return false;
    metres = *value;
    return true;
}

// The letter E or N (either case) that `c` is, in upper case; 0 for any other.
char AxisLetter(char c) noexcept {
    const char upper = UpperCase(c);
    return upper == 'E' || upper == 'N' ? upper : 0;
}

// One number of metres, with the letter E or N touching it before or after, if any.
struct Metres {
    double value = 0;
    char letter = 0;
};
bool ReadLabelledMetres(std::string_view text, Metres& metres) noexcept {
    metres.letter = 0;
    if (!text.empty() && AxisLetter(text.front()) != 0) {
        metres.letter = AxisLetter(text.front());
        text.remove_prefix(1);
    } else if (!text.empty() && AxisLetter(text.back()) != 0) {
        metres.letter = AxisLetter(text.back());
        text.remove_suffix(1);
    }
    return ReadMetres(text, metres.value);
}

// An easting and a northing, in either order when their letters say which is which.
GridReading ReadMetresPair(std::string_view first, std::string_view second, Grid grid) noexcept {
    Metres a;
    Metres b;
    if (!ReadLabelledMetres(first, a))
        return Fault(ReadingFault::kBadNumber, first);
    if (!ReadLabelledMetres(second, b))
        return Fault(ReadingFault::kBadNumber, second);
    // A number without a letter is what the other's letter leaves it, or else what its place
    // says: the easting first.
    const auto other = [](char letter) { return letter == 'E' ? 'N' : 'E'; };
    const char firstIs = a.letter != 0 ? a.letter : b.letter != 0 ? other(b.letter) : 'E';
    const char secondIs = b.letter != 0 ? b.letter : other(firstIs);
    if (firstIs == secondIs)
        return Fault(firstIs == 'E' ? ReadingFault::kTwoEastings : ReadingFault::kTwoNorthings,
                     second);
    return {ReadingFault::kNone,
            {},
            grid,
            firstIs == 'E' ? GridPoint{a.value, b.value} : GridPoint{b.value, a.value}};
}

// The two numbers of metres of `text`, apart at its comma or else at its first blank; none
// when it has neither.
struct MetresTexts {
    std::string_view first, second;
};
std::optional<MetresTexts> SplitMetres(std::string_view text) noexcept {
    std::size_t split = text.find(',');
    std::size_t skip = 1;
    if (split == std::string_view::npos) {
        split = runtime::FindBlank(text);
        skip = 0;
    }
    if (split == std::string_view::npos)
        return std::nullopt;
    return MetresTexts{runtime::TrimBlanks(text.substr(0, split)),
                       runtime::TrimBlanks(text.substr(split + skip))};
}

GridReading ReadEastingNorthing(std::string_view text, Grid grid) noexcept {
    const std::optional<MetresTexts> parts = SplitMetres(text);
    if (!parts)
        return Fault(ReadingFault::kOneNumber, text);
    if (parts->second.empty())
        return Fault(ReadingFault::kOneNumber, parts->first);
    return ReadMetresPair(parts->first, parts->second, grid);
}

// Whether a text that begins with a letter writes metres: both numbers with their letters,
// the first letter before its number ("E224100 N252100").
bool IsLabelledMetres(std::string_view text) noexcept {
    const std::optional<MetresTexts> parts = SplitMetres(text);
    const auto labelled = [](std::string_view part) {
        return !part.empty() && (AxisLetter(part.front()) != 0 || AxisLetter(part.back()) != 0);
    };
    return parts && text.size() > 1 && AxisLetter(text[0]) != 0 &&
           (IsDigit(text[1]) || text[1] == '-') && labelled(parts->second);
}

std::size_t DigitCount(std::string_view text) noexcept {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return IsDigit(c); }));
}

}  // namespace

GridReading ReadGridPosition(std::string_view text, Grid metresGrid) noexcept {
    text = runtime::TrimBlanks(text);
    if (text.empty())
        return Fault(ReadingFault::kEmpty, {});
    if (IsLetter(text.front())) {
        const GridReading reference = ReadReference(text);
        if (reference.fault == ReadingFault::kNone || !IsLabelledMetres(text))
            return reference;
        return ReadEastingNorthing(text, metresGrid);
    }
    if (IsDigit(text.front()) || text.front() == '-')
        return ReadEastingNorthing(text, metresGrid);
    return Fault(ReadingFault::kNotAPosition, runtime::FirstCharacter(text));
}

GridReading ReadGridPosition(std::string_view easting, std::string_view northing,
                             Grid metresGrid) noexcept {
    easting = runtime::TrimBlanks(easting);
    northing = runtime::TrimBlanks(northing);
    if (easting.empty() && northing.empty())
        return Fault(ReadingFault::kEmpty, {});
    if (easting.empty() || northing.empty())
        return Fault(ReadingFault::kOneNumber, easting.empty() ? northing : easting);
    return ReadMetresPair(easting, northing, metresGrid);
}

std::string FaultText(const GridReading& reading) {
    const std::string culprit = runtime::Quoted(reading.culprit);
    const std::string count = std::to_string(DigitCount(reading.culprit));
    switch (reading.fault) {
        case ReadingFault::kNone:
            return {};
        case ReadingFault::kEmpty:
            return "no grid reference, nor easting and northing";
        case ReadingFault::kNotAPosition:
            return culprit +
                   " begins neither a grid reference (letters and digits, e.g. NN166712, "
                   "J338742 or WV652484) nor an easting and northing in metres";
        case ReadingFault::kBadFirstLetter:
            return culprit +
                   " is not one of the first letters of the National Grid: H, J, N, O, S and T";
        case ReadingFault::kBadSecondLetter:
            return culprit + " is not a second letter of a grid reference: A to Z but I";
        case ReadingFault::kBadIrishLetter:
            return culprit + " is not a letter of the Irish Grid: A to Z but I";
        case ReadingFault::kBadChannelIslandsSquare:
            return culprit + " is not one of the Channel Islands' squares: WA and WV";
        case ReadingFault::kNotADigit:
            return culprit + " is not a digit";
        case ReadingFault::kOddDigits:
            return culprit + " has " + count +
                   " digits, which do not split into easting and northing: a grid reference has " +
                   runtime::EvenNumbersText(0, kMaxReferenceDigits);
        case ReadingFault::kTooManyDigits:
            return culprit + " has " + count + " digits: a grid reference has at most " +
                   std::to_string(kMaxReferenceDigits) + " (1 m)";
        case ReadingFault::kUnevenHalves:
            return "the easting and northing of " + culprit + " have different numbers of digits";
        case ReadingFault::kTooManyGroups:
            return culprit + " follows the easting and northing";
        case ReadingFault::kBadNumber:
            return culprit + " is not a number of metres ([-]digits[.digits])";
        case ReadingFault::kOneNumber:
            return culprit + " is one number: easting and northing expected";
        case ReadingFault::kTwoEastings:
            return culprit + " is a second easting: an easting and a northing expected";
        case ReadingFault::kTwoNorthings:
            return culprit + " is a second northing: an easting and a northing expected";
        case ReadingFault::kNotTenKilometres:
            return culprit + " has " + count +
                   " digits: a tetrad or quadrant follows the 2 digits of a 10 km square "
                   "(e.g. SP48T, SP48NW)";
        case ReadingFault::kBadTetradLetter:
            return culprit + " is not a tetrad letter: A to Z but O (DINTY)";
        case ReadingFault::kBadQuadrant:
            return culprit + " is not a quadrant: NW, NE, SW or SE";
    }
    return {};
}

bool HasLetters(Grid grid, GridPoint position) noexcept {
    const Lettered area = LetteredArea(grid);
    return position.easting >= static_cast<double>(area.minEasting) &&
           position.easting < static_cast<double>(area.endEasting) &&
           position.northing >= static_cast<double>(area.minNorthing) &&
           position.northing < static_cast<double>(area.endNorthing);
}

std::string GridReferenceOf(Grid grid, GridPoint position, int digits) {
    if (digits < 0 || digits > kMaxReferenceDigits || digits % 2 != 0 ||
        !HasLetters(grid, position)) {
        return {};
    }
    const Lettered area = LetteredArea(grid);
    // Whole metres: the square that holds the point, as the digits truncate.
    const auto easting = static_cast<std::int64_t>(std::floor(position.easting));
    const auto northing = static_cast<std::int64_t>(std::floor(position.northing));

    // The letter of the square at `column` and `row` (from the north) of a table.
    const auto letter = [](std::int64_t column, std::int64_t row) {
        return GridLetters::LetterAt(static_cast<int>(row * kPerRow + column));
    };
    std::array<char, 2 + kMaxReferenceDigits> text{};
    std::size_t letters = 0;
    switch (grid) {
        case Grid::kGreatBritain:
            text[letters++] = letter(easting / kLargeSquareMetres + kOriginColumn,
                                     kOriginRow - northing / kLargeSquareMetres);
            text[letters++] =
                letter(easting % kLargeSquareMetres / kSmallSquareMetres,
                       kBottomRow - northing % kLargeSquareMetres / kSmallSquareMetres);
            break;
        case Grid::kIrish:
            text[letters++] =
                letter(easting / kSmallSquareMetres, kBottomRow - northing / kSmallSquareMetres);
            break;
        case Grid::kUtm30: {
            const std::string_view square =
                kChannelIslandsSquares[static_cast<std::size_t>((northing - area.minNorthing) /
                                                                kSmallSquareMetres)]
                    .letters;
            text[letters++] = square[0];
            text[letters++] = square[1];
            break;
        }
        case Grid::kNone:
            return {};
    }
    // Every grid's 100 km squares have corners at whole multiples of 100 km.
    const int half = digits / 2;
    std::int64_t step = kSmallSquareMetres;
    for (int i = 0; i < half; ++i) {
        step /= 10;
        const auto at = letters + static_cast<std::size_t>(i);
        text[at] = static_cast<char>('0' + easting % kSmallSquareMetres / step % 10);
        text[at + static_cast<std::size_t>(half)] =
            static_cast<char>('0' + northing % kSmallSquareMetres / step % 10);
    }
    return {text.data(), letters + static_cast<std::size_t>(digits)};
}

}  // namespace Surveyed
