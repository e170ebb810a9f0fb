#include "conversions/PositionText.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <system_error>
#include <utility>

#include "conversions/Module1.hpp"
#include "runtime/DoubleText.hpp"
#include "runtime/Text.hpp"

namespace PositionText {
namespace {

constexpr double kMinutesPerDegree = 60;
// Minutes and seconds are below this.
constexpr double kSexagesimalLimit = 60;

// The most parts a position has: two coordinates of a letter and three numbers, and a comma.
constexpr std::size_t kMaxTokens = 9;
// The longest number read: far more digits than any position needs.
constexpr std::size_t kMaxNumberLength = 64;
// Parts of a coordinate: degrees, minutes, seconds.
constexpr std::size_t kMaxParts = 3;

// The marks, each as its UTF-8 bytes. "d" and "D" stand for degrees only right after a
// number, where no hemisphere letter can be meant.
constexpr std::array<std::string_view, 4> kDegreeMarks = {"\u00B0", "\u00BA", "d", "D"};
constexpr std::array<std::string_view, 3> kMinuteMarks = {"'", "\u2032", "\u2019"};
constexpr std::array<std::string_view, 3> kSecondMarks = {"\"", "\u2033", "\u201D"};
// A minus sign as typeset on web pages, beside the hyphen-minus.
constexpr std::string_view kMinusSign = "\u2212";

// Bytes of the mark of `marks` that starts `text`, or 0.
template <std::size_t N>
std::size_t MarkLength(std::string_view text, const std::array<std::string_view, N>& marks) {
    for (const std::string_view mark : marks) {
        if (text.starts_with(mark))
            return mark.size();
    }
    return 0;
}

enum class Mark : std::uint8_t { kNone, kDegrees, kMinutes, kSeconds, kColon };

enum class Kind : std::uint8_t { kNumber, kLetter, kComma };

struct Token {
    Kind kind = Kind::kNumber;
    // The token as written: a number with its sign and its mark, the letter, the comma.
    std::string_view text;
    // Numbers: the mark after them, their magnitude, and whether a sign or decimals stand.
    Mark mark = Mark::kNone;
    double magnitude = 0;
    bool minus = false;
    bool plus = false;
    bool decimals = false;
    // Numbers: whether the mark is a letter (d or D, m, s), which the next number's mark may
    // follow with the next letter.
    bool letterMark = false;
    // Letters: N, S, E or W.
    char letter = 0;
    // Whether a blank (or the start of the text) stands right before it.
    bool blankBefore = true;
};

struct Tokens {
    std::array<Token, kMaxTokens> items;
    std::size_t size = 0;
    Fault fault = Fault::kNone;
    std::string_view culprit;

    [[nodiscard]] std::span<const Token> View() const noexcept { return {items.data(), size}; }
};

// Whether `text`, holding `coordinates` coordinates, writes its decimals with commas: one
// comma per coordinate, each between two digits.
bool HasDecimalCommas(std::string_view text, std::size_t coordinates) noexcept {
    std::size_t commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ',')
            continue;
        if (++commas > coordinates || i == 0 || i + 1 == text.size() ||
            !runtime::IsDigit(text[i - 1]) || !runtime::IsDigit(text[i + 1])) {
            return false;
        }
    }
    return commas == coordinates;
}

// The letters that mark minutes after degrees marked d, and seconds after minutes marked so
// ("56d47m49s"); anywhere else m is no mark and s is south.
constexpr char kMinuteLetter = 'm';
constexpr char kSecondLetter = 's';

// Whether `previous` is a number whose mark is the letter that marks `mark`'s part before.
bool FollowsLetterMark(const Token* previous, Mark mark) noexcept {
    return previous != nullptr && previous->kind == Kind::kNumber && previous->letterMark &&
           previous->mark == mark;
}

// Takes a number (sign, digits with at most one decimal point, mark) off `rest` into `token`;
// false when `rest` starts with none. `previous` is the token before it, if any.
bool TakeNumber(std::string_view& rest, char decimalPoint, const Token* previous, Token& token) {
    const std::string_view start = rest;
    if (rest.starts_with('-') || rest.starts_with(kMinusSign)) {
        token.minus = true;
        rest.remove_prefix(rest.starts_with('-') ? 1 : kMinusSign.size());
    } else if (rest.starts_with('+')) {
        token.plus = true;
        rest.remove_prefix(1);
    }
    // Digits with at most one decimal point among or around them, as runtime::ReadNumber
    // takes them.
    const std::string_view afterSign = rest;
    const std::string_view whole = runtime::TakeDigits(rest);
    std::string_view fraction;
    if (rest.starts_with(decimalPoint)) {
        token.decimals = true;
        rest.remove_prefix(1);
        fraction = runtime::TakeDigits(rest);
    }
    if (whole.empty() && fraction.empty()) {
        rest = start;
        return false;
    }
    token.text = start.substr(0, static_cast<std::size_t>(rest.data() - start.data()));
    if (static_cast<std::size_t>(rest.data() - afterSign.data()) > kMaxNumberLength)
        return true;  // left at zero; Tokenize refuses it
    // The number as runtime::ReadDecimal reads it: a digit before the point, none after a
    // point that ends it.
    std::array<char, kMaxNumberLength + 1> digits{'0'};
    std::size_t length = 1;
    length += whole.copy(digits.data() + length, whole.size());
    if (!fraction.empty()) {
        digits[length++] = '.';
        length += fraction.copy(digits.data() + length, fraction.size());
    }
    token.magnitude = runtime::ReadDecimal({digits.data(), length}).value_or(0);
    // The mark that ends it, if any.
    std::size_t mark = 0;
    if ((mark = MarkLength(rest, kDegreeMarks)) != 0) {
        token.mark = Mark::kDegrees;
        token.letterMark = runtime::UpperCase(rest.front()) == 'D';
    } else if (rest.starts_with(kMinuteLetter) && FollowsLetterMark(previous, Mark::kDegrees)) {
        token.mark = Mark::kMinutes;
        token.letterMark = true;
        mark = 1;
    } else if (rest.starts_with(kSecondLetter) && FollowsLetterMark(previous, Mark::kMinutes)) {
        token.mark = Mark::kSeconds;
        token.letterMark = true;
        mark = 1;
    } else if ((mark = MarkLength(rest, kMinuteMarks)) != 0) {
        token.mark = Mark::kMinutes;
        // Two minute marks are a second mark.
        if (const std::size_t second = MarkLength(rest.substr(mark), kMinuteMarks); second != 0) {
            token.mark = Mark::kSeconds;
            mark += second;
        }
    } else if ((mark = MarkLength(rest, kSecondMarks)) != 0) {
        token.mark = Mark::kSeconds;
    } else if (rest.starts_with(':')) {
        token.mark = Mark::kColon;
        mark = 1;
    }
    rest.remove_prefix(mark);
    token.text = start.substr(0, token.text.size() + mark);
    return true;
}

char HemisphereLetter(char c) noexcept {
    const char upper = runtime::UpperCase(c);
    return upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W' ? upper : 0;
}

// Cuts `text`, which holds `coordinates` coordinates, into numbers (with their marks),
// hemisphere letters and commas.
Tokens Tokenize(std::string_view text, std::size_t coordinates) {
    Tokens tokens;
    const char decimalPoint = HasDecimalCommas(text, coordinates) ? ',' : '.';
    const auto fail = [&](Fault fault, std::string_view culprit) {
        tokens.fault = fault;
        tokens.culprit = culprit;
        return tokens;
    };
    bool blank = true;  // whether a blank (or the start) stands before the next token
    for (std::string_view rest = text; !rest.empty();) {
        if (const std::size_t length = runtime::BlankLength(rest); length != 0) {
            rest.remove_prefix(length);
            blank = true;
            continue;
        }
        Token token;
        const Token* previous = tokens.size == 0 ? nullptr : &tokens.items[tokens.size - 1];
        const std::string_view at = rest;
        if (TakeNumber(rest, decimalPoint, previous, token)) {
            // Two numbers need a blank or a mark between them ("52.2-0.1" is no position).
            if (!blank && previous && previous->kind == Kind::kNumber &&
                previous->mark == Mark::kNone) {
                return fail(Fault::kUnexpected, runtime::FirstCharacter(at));
            }
            if (token.text.size() > kMaxNumberLength)
                return fail(Fault::kNotACoordinate, token.text);
        } else if (const char letter = HemisphereLetter(rest.front()); letter != 0) {
            token.kind = Kind::kLetter;
            token.letter = letter;
            token.text = rest.substr(0, 1);
            rest.remove_prefix(1);
        } else if (rest.front() == ',') {
            token.kind = Kind::kComma;
            token.text = rest.substr(0, 1);
            rest.remove_prefix(1);
        } else {
            return fail(Fault::kUnexpected, runtime::FirstCharacter(rest));
        }
        if (tokens.size == kMaxTokens)
            return fail(Fault::kNotACoordinate, token.text);
        token.blankBefore = blank;
        tokens.items[tokens.size++] = token;
        // A comma separates as a blank does.
        blank = token.kind == Kind::kComma;
    }
    return tokens;
}

// The text from the first token to the end of the last.
std::string_view Span(std::span<const Token> tokens) noexcept {
    const char* const first = tokens.front().text.data();
    const char* const end = tokens.back().text.data() + tokens.back().text.size();
    return {first, static_cast<std::size_t>(end - first)};
}

// Which coordinate a hemisphere letter between two goes with: the number it touches, before
// it ("52.2N 0.1", "52.2N0.1") or else after it ("52.2 N0.1"); with blanks on both sides,
// either, the one before preferred ("52.2 N 0.1").
enum class Binding : std::uint8_t { kBefore, kAfter, kEither };

Binding BindingOf(std::span<const Token> tokens, std::size_t i) noexcept {
    if (!tokens[i].blankBefore && i > 0)
        return Binding::kBefore;
    if (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::kNumber && !tokens[i + 1].blankBefore)
        return Binding::kAfter;
    return Binding::kEither;
}

// One coordinate as parsed: its parts in order and its letter, or the index of the token
// where it stopped making sense.
struct Coordinate {
    bool ok = false;
    std::size_t failedAt = 0;  // within the tokens parsed
    std::array<const Token*, kMaxParts> parts{};
    std::size_t count = 0;
    char letter = 0;
    std::string_view text;
};

constexpr bool MarkFits(Mark mark, std::size_t part) noexcept {
    switch (mark) {
        case Mark::kNone:
            return true;
        case Mark::kDegrees:
            return part == 0;
        case Mark::kMinutes:
            return part == 1;
        case Mark::kSeconds:
            return part == 2;
        case Mark::kColon:
            return part < 2;
    }
    return false;
}

// Parses `tokens` as one coordinate: [letter] number [number [number]] [letter], the parts
// as the header says.
Coordinate ParseCoordinate(std::span<const Token> tokens) {
    Coordinate c;
    std::size_t i = 0;
    const auto failAt = [&](std::size_t at) {
        c.failedAt = at;
        return c;
    };
    if (i < tokens.size() && tokens[i].kind == Kind::kLetter)
        c.letter = tokens[i++].letter;
    bool needsLetter = false;
    for (; c.count < kMaxParts && i < tokens.size() && tokens[i].kind == Kind::kNumber; ++i) {
        const Token& part = tokens[i];
        if (c.count > 0) {
            const Token& before = *c.parts[c.count - 1];
            if (part.minus || part.plus)
                return failAt(i);
            needsLetter = needsLetter || before.mark == Mark::kNone;
        }
        if (!MarkFits(part.mark, c.count))
            return failAt(i);
        c.parts[c.count++] = &part;
    }
    if (c.count == 0 || c.parts[c.count - 1]->mark == Mark::kColon)
        return failAt(i);
    if (i < tokens.size() && tokens[i].kind == Kind::kLetter && c.letter == 0)
        c.letter = tokens[i++].letter;
    if (i != tokens.size() || (needsLetter && c.letter == 0))
        return failAt(i);
    c.ok = true;
    c.text = Span(tokens);
    return c;
}

Reading Refused(Fault fault, std::string_view culprit) noexcept {
    return {fault, culprit, {}};
}

enum class Role : std::uint8_t { kLatitude, kLongitude };

// The value of a parsed coordinate, with its role, or the fault of its values.
struct Value {
    Fault fault = Fault::kNone;
    std::string_view culprit;
    double degrees = 0;
    Role role = Role::kLatitude;
};

Value Evaluate(const Coordinate& c, Role place) {
    for (std::size_t i = 0; i + 1 < c.count; ++i) {
        if (c.parts[i]->decimals)
            return {Fault::kDecimalsNotLast, c.parts[i]->text};
    }
    const Token& degrees = *c.parts[0];
    double magnitude = degrees.magnitude;
    if (c.count > 1) {
        const Token& minutes = *c.parts[1];
        if (minutes.magnitude >= kSexagesimalLimit)
            return {Fault::kMinutesTooLarge, minutes.text};
        double fraction = minutes.magnitude;
        if (c.count > 2) {
            const Token& seconds = *c.parts[2];
            if (seconds.magnitude >= kSexagesimalLimit)
                return {Fault::kSecondsTooLarge, seconds.text};
            fraction += seconds.magnitude / kMinutesPerDegree;
        }
        magnitude += fraction / kMinutesPerDegree;
    }
    const bool southOrWest = c.letter == 'S' || c.letter == 'W';
    if (c.letter != 0 && ((degrees.minus && !southOrWest) || (degrees.plus && southOrWest)))
        return {Fault::kSignAndLetter, c.text};
    Value value;
    value.degrees = degrees.minus || southOrWest ? -magnitude : magnitude;
    value.role = c.letter == 0                        ? place
                 : c.letter == 'N' || c.letter == 'S' ? Role::kLatitude
                                                      : Role::kLongitude;
    return value;
}

// The position of two parsed coordinates: their values, their roles and their ranges.
Reading Combine(const Coordinate& first, const Coordinate& second) {
    const Value a = Evaluate(first, Role::kLatitude);
    if (a.fault != Fault::kNone)
        return Refused(a.fault, a.culprit);
    const Value b = Evaluate(second, Role::kLongitude);
    if (b.fault != Fault::kNone)
        return Refused(b.fault, b.culprit);
    if (a.role == b.role) {
        return Refused(a.role == Role::kLatitude ? Fault::kTwoLatitudes : Fault::kTwoLongitudes,
                       second.text);
    }
    const bool latitudeFirst = a.role == Role::kLatitude;
    const Value& latitude = latitudeFirst ? a : b;
    const Value& longitude = latitudeFirst ? b : a;
    if (!(std::fabs(latitude.degrees) <= Module1::kMaxLatitude))
        return Refused(Fault::kLatitudeRange, (latitudeFirst ? first : second).text);
    if (!(std::fabs(longitude.degrees) <= Module1::kMaxLongitude))
        return Refused(Fault::kLongitudeRange, (latitudeFirst ? second : first).text);
    return {Fault::kNone, {}, {latitude.degrees, longitude.degrees}};
}

// APRS's fixed shape: ddmm.mmN, the symbol table, dddmm.mmW, the optional symbol code. None
// when `text` has another shape.
std::optional<Reading> ReadAprs(std::string_view text) {
    constexpr std::string_view kShape = "dddd.ddN?ddddd.ddE";
    if (text.size() != kShape.size() && text.size() != kShape.size() + 1)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char wanted = i < kShape.size() ? kShape[i] : '?';
        const char letter = HemisphereLetter(c);
        const bool fits = wanted == 'd'   ? runtime::IsDigit(c)
                          : wanted == '.' ? c == '.'
                          : wanted == 'N' ? letter == 'N' || letter == 'S'
                          : wanted == 'E' ? letter == 'E' || letter == 'W'
                                          : c > ' ' && c < '\x7f';
        if (!fits)
            return std::nullopt;
    }
    // Each coordinate: its degrees, then its minutes with their decimals, then its letter.
    const auto coordinate = [](std::string_view part, std::size_t degreeDigits,
                               std::array<Token, 3>& tokens) {
        const auto number = [](std::string_view digits) {
            Token token;
            token.text = digits;
            token.magnitude = runtime::ReadDecimal(digits).value_or(0);
            return token;
        };
        tokens[0] = number(part.substr(0, degreeDigits));
        tokens[1] = number(part.substr(degreeDigits, part.size() - degreeDigits - 1));
        tokens[2].kind = Kind::kLetter;
        tokens[2].text = part.substr(part.size() - 1);
        tokens[2].letter = HemisphereLetter(part.back());
        return ParseCoordinate(tokens);
    };
    constexpr std::size_t kLatitudeChars = 8;
    constexpr std::size_t kLongitudeChars = 9;
    std::array<Token, 3> latitude;
    std::array<Token, 3> longitude;
    return Combine(coordinate(text.substr(0, kLatitudeChars), 2, latitude),
                   coordinate(text.substr(kLatitudeChars + 1, kLongitudeChars), 3, longitude));
}

}  // namespace

Reading ReadPosition(std::string_view text) noexcept {
    text = runtime::TrimBlanks(text);
    if (const std::optional<Reading> aprs = ReadAprs(text))
        return *aprs;
    const Tokens tokens = Tokenize(text, 2);
    if (tokens.fault != Fault::kNone)
        return Refused(tokens.fault, tokens.culprit);
    const std::span<const Token> all = tokens.View();
    if (all.empty())
        return Refused(Fault::kEmpty, {});

    std::size_t numbers = 0;
    std::size_t commas = 0;
    std::size_t comma = 0;
    bool plain = true;  // numbers alone: no letters, no marks
    for (std::size_t i = 0; i < all.size(); ++i) {
        numbers += all[i].kind == Kind::kNumber ? 1U : 0U;
        plain = plain && (all[i].kind != Kind::kLetter && all[i].mark == Mark::kNone);
        if (all[i].kind == Kind::kComma) {
            ++commas;
            comma = i;
        }
    }
    if (numbers < 2)
        return Refused(Fault::kOneCoordinate, text);
    if (plain && numbers > 2)
        return Refused(Fault::kTooManyNumbers, text);
    if (commas > 1)
        return Refused(Fault::kNotACoordinate, Span(all.subspan(comma)));

    // The coordinates are cut apart at the comma, or else wherever both halves make one; of
    // the cuts that don't, the one that makes sense furthest into the text names the fault.
    const std::size_t firstCut = commas == 1 ? comma : 1;
    const std::size_t lastCut = commas == 1 ? comma : all.size() - 1;
    // Every cut that makes two coordinates where its letters go with what they touch, and
    // whether it is the one preferred.
    struct Cut {
        Coordinate first, second;
        bool preferred = false;
    };
    std::array<Cut, kMaxTokens> cuts{};
    std::size_t found = 0;
    std::size_t preferred = 0;
    std::optional<std::size_t> furthest;
    std::string_view culprit;
    for (std::size_t cut = firstCut; cut <= lastCut; ++cut) {
        const std::size_t next = cut + commas;  // the first token of the second coordinate
        const auto letterAt = [&](std::size_t i) {
            return i < all.size() && all[i].kind == Kind::kLetter;
        };
        if ((letterAt(cut - 1) && BindingOf(all, cut - 1) == Binding::kAfter) ||
            (letterAt(next) && BindingOf(all, next) == Binding::kBefore)) {
            continue;
        }
        const std::span<const Token> head = all.first(cut);
        const std::span<const Token> tail = all.subspan(next);
        const Coordinate first = ParseCoordinate(head);
        const Coordinate second = first.ok ? ParseCoordinate(tail) : Coordinate{};
        if (first.ok && second.ok) {
            const bool best = !letterAt(next) || BindingOf(all, next) != Binding::kEither;
            cuts[found++] = {first, second, best};
            preferred += best ? 1U : 0U;
            continue;
        }
        const std::size_t reached = first.ok ? next + second.failedAt : first.failedAt;
        if (!furthest || reached > *furthest) {
            furthest = reached;
            // The part that doesn't fit, or the coordinate that lacks its end.
            const std::span<const Token> part = first.ok ? tail : head;
            const std::size_t at = first.ok ? second.failedAt : first.failedAt;
            culprit = part.empty() ? text : at < part.size() ? part[at].text : Span(part);
        }
    }
    if (found == 0)
        return Refused(Fault::kNotACoordinate, culprit.empty() ? text : culprit);
    if (found > 1 && preferred != 1)
        return Refused(Fault::kAmbiguous, text);
    const auto chosen =
        std::find_if(cuts.begin(), cuts.begin() + static_cast<std::ptrdiff_t>(found),
                     [&](const Cut& c) { return found == 1 || c.preferred; });
    return Combine(chosen->first, chosen->second);
}

Reading ReadPosition(std::string_view latitude, std::string_view longitude) noexcept {
    const std::array<std::string_view, 2> texts = {runtime::TrimBlanks(latitude),
                                                   runtime::TrimBlanks(longitude)};
    const std::array<Tokens, 2> tokens = {Tokenize(texts[0], 1), Tokenize(texts[1], 1)};
    std::array<Coordinate, 2> coordinates;
    for (std::size_t i = 0; i < 2; ++i) {
        if (tokens[i].fault != Fault::kNone)
            return Refused(tokens[i].fault, tokens[i].culprit);
        const std::span<const Token> all = tokens[i].View();
        if (all.empty())
            return Refused(Fault::kEmpty, {});
        coordinates[i] = ParseCoordinate(all);
        if (!coordinates[i].ok) {
            const std::size_t at = coordinates[i].failedAt;
            return Refused(Fault::kNotACoordinate, at < all.size() ? all[at].text : texts[i]);
        }
    }
    return Combine(coordinates[0], coordinates[1]);
}

std::string FaultText(const Reading& reading) {
    const std::string culprit = runtime::Quoted(reading.culprit);
    switch (reading.fault) {
        case Fault::kNone:
            return {};
        case Fault::kEmpty:
            return "no latitude and longitude";
        case Fault::kUnexpected:
            return culprit + " is not part of a latitude and longitude";
        case Fault::kOneCoordinate:
            return culprit + " is not two coordinates: a latitude and a longitude expected";
        case Fault::kTooManyNumbers:
            return culprit + " has more than two numbers: a latitude and a longitude expected";
        case Fault::kNotACoordinate:
            return culprit +
                   " does not fit in a coordinate (degrees, minutes and seconds in that "
                   "order, apart only with a mark or a hemisphere letter)";
        case Fault::kAmbiguous:
            return culprit + " cuts into a latitude and a longitude more than one way";
        case Fault::kDecimalsNotLast:
            return culprit + " has decimals, but another part follows it";
        case Fault::kMinutesTooLarge:
            return "minutes of 60 or more: " + culprit;
        case Fault::kSecondsTooLarge:
            return "seconds of 60 or more: " + culprit;
        case Fault::kSignAndLetter:
            return culprit + ": the sign contradicts the hemisphere letter";
        case Fault::kTwoLatitudes:
            return culprit + " is a second latitude: a latitude and a longitude expected";
        case Fault::kTwoLongitudes:
            return culprit + " is a second longitude: a latitude and a longitude expected";
        case Fault::kLatitudeRange:
            return culprit + " is beyond 90 degrees: not a latitude";
        case Fault::kLongitudeRange:
            return culprit + " is beyond 180 degrees: not a longitude";
    }
    return {};
}

}  // namespace PositionText
