#include "cli/Table.hpp"

#include <algorithm>
#include <array>

#include "runtime/Text.hpp"

namespace cli {
namespace {

// Bytes asked of each read: a record longer than this is read in several.
constexpr std::size_t kReadBytes = std::size_t{1} << 16;

// Counts each delimiter of kTableDelimiters outside double quotes in the first record of
// `text` that is not a blank line; false when `text` ends before that record does.
bool CountDelimiters(std::string_view text, std::array<std::size_t, 3>& counts) noexcept {
    bool quoted = false;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '\n') {
                if (!IsBlank(text.substr(lineStart, i - lineStart)))
                    return true;
                counts = {};  // tabs among its blanks
                lineStart = i + 1;
                continue;
            }
            const std::size_t which = kTableDelimiters.find(c);
            if (which != std::string_view::npos)
                ++counts[which];
        }
    }
    return false;
}

}  // namespace

bool IsBlank(std::string_view text) noexcept {
    if (text.ends_with('\r'))
        text.remove_suffix(1);
    runtime::TakeBlanks(text);
    return text.empty();
}

std::vector<std::string> HeaderNames(std::string_view line) {
    std::array<std::size_t, 3> counts{};
    CountDelimiters(line, counts);
    if (counts == std::array<std::size_t, 3>{})
        return {};
    TextInput in(line, Encoding::kUtf8);
    TableReader reader(in, DetectDelimiter(line));
    TableRows rows;
    std::vector<std::string> names;
    if (reader.Read(rows)) {
        for (std::size_t i = 0; i < rows.FieldCount(0); ++i)
            names.emplace_back(rows.Field(0, i));
    }
    return names;
}

char DetectDelimiter(std::string_view text) noexcept {
    std::array<std::size_t, 3> counts{};
    CountDelimiters(text, counts);
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : kTableDelimiters[static_cast<std::size_t>(most - counts.begin())];
}

std::string_view TableRows::Record(std::size_t row) const noexcept {
    const Span& span = rows_[row].record;
    return std::string_view(bytes_).substr(span.offset, span.size);
}

std::string_view TableRows::LineEnd(std::size_t row) const noexcept {
    return std::string_view("\r\n").substr(2 - rows_[row].lineEnd);
}

std::string_view TableRows::Field(std::size_t row, std::size_t field) const noexcept {
    const Span& span = fields_[rows_[row].firstField + field];
    return std::string_view(bytes_).substr(span.offset, span.size);
}

bool TableRows::Blank(std::size_t row) const noexcept {
    for (std::size_t i = 0; i < FieldCount(row); ++i) {
        if (!IsBlank(Field(row, i)))
            return false;
    }
    return true;
}

void TableRows::Clear() noexcept {
    bytes_.clear();
    fields_.clear();
    rows_.clear();
}

TableReader::TableReader(TextInput& in, std::optional<char> delimiter, std::size_t skipLines)
    : in_(in), delimiter_(delimiter), skipLines_(skipLines) {}

bool TableReader::Fill() {
    buffer_.erase(0, start_);
    start_ = 0;
    if (!in_.Read(buffer_, kReadBytes)) {
        end_ = true;
        error_ = in_.Error();
        return error_.empty();
    }
    return true;
}

// Takes the lines to skip into skipped_; false after an error.
bool TableReader::Skip() {
    for (std::size_t skipped = 0; skipped < skipLines_;) {
        const std::size_t feed = buffer_.find('\n', start_);
        if (feed == std::string::npos && end_) {
            skipped_.append(buffer_, start_);
            start_ = buffer_.size();
            return true;
        }
        if (skipped_.size() + (std::min(feed, buffer_.size()) - start_) > kMaxRecordBytes) {
            error_ = "line " + std::to_string(line_) + ": the lines to skip hold more than " +
                     std::to_string(kMaxRecordBytes >> 20) + " MiB";
            return false;
        }
        if (feed == std::string::npos) {
            if (!Fill())
                return false;
            continue;
        }
        skipped_.append(buffer_, start_, feed + 1 - start_);
        start_ = feed + 1;
        ++line_;
        ++skipped;
    }
    return true;
}

TableReader::Step TableReader::Parse(TableRows& rows) {
    const std::string_view data = std::string_view(buffer_).substr(start_);
    const std::array<char, 2> stops = {*delimiter_, '\n'};
    const std::string_view stopChars(stops.data(), stops.size());
    fields_.clear();
    decoded_.clear();
    // The end of the field that starts at `from`: the next delimiter or line feed, or the
    // end of the data when no more input comes.
    const auto fieldEnd = [&](std::size_t from) -> std::optional<std::size_t> {
        const std::size_t stop = data.find_first_of(stopChars, from);
        if (stop != std::string_view::npos)
            return stop;
        return end_ ? std::optional(data.size()) : std::nullopt;
    };
    std::size_t i = 0;
    for (;;) {
        Field field{i, 0, false};
        if (i < data.size() && data[i] == '"') {
            // Runs of text between doubled quotes; decoded from the first doubled one on.
            for (std::size_t from = i + 1;;) {
                const std::size_t quote = data.find('"', from);
                if (quote == std::string_view::npos || (quote + 1 == data.size() && !end_))
                    return quote == std::string_view::npos && end_ ? Step::kUnclosed : Step::kMore;
                const bool doubled = quote + 1 < data.size() && data[quote + 1] == '"';
                if (!field.decoded && doubled) {
                    field = {decoded_.size(), 0, true};
                    decoded_.append(data.substr(i + 1, quote + 1 - (i + 1)));
                } else if (field.decoded) {
                    decoded_.append(data.substr(from, quote + (doubled ? 1 : 0) - from));
                } else {
                    field.offset = i + 1;
                    field.size = quote - field.offset;
                }
                if (!doubled) {
                    i = quote + 1;
                    break;
                }
                from = quote + 2;
            }
            // What stands after the closing quote, kept as it is.
            const std::optional<std::size_t> stop = fieldEnd(i);
            if (!stop)
                return Step::kMore;
            if (*stop > i) {
                if (!field.decoded) {
                    const std::string_view quoted = data.substr(field.offset, field.size);
                    field = {decoded_.size(), 0, true};
                    decoded_.append(quoted);
                }
                decoded_.append(data.substr(i, *stop - i));
            }
            if (field.decoded)
                field.size = decoded_.size() - field.offset;
            i = *stop;
        } else {
            const std::optional<std::size_t> stop = fieldEnd(i);
            if (!stop)
                return Step::kMore;
            field.size = *stop - i;
            i = *stop;
        }
        fields_.push_back(field);
        if (i == data.size() || data[i] == '\n')
            break;
        ++i;  // the delimiter
    }

    // The record ends at a line feed, with the carriage return before it, or at the end.
    std::size_t size = i;
    std::size_t lineEnd = 0;
    if (i < data.size()) {
        lineEnd = 1;
        if (i > 0 && data[i - 1] == '\r') {
            lineEnd = 2;
            size = i - 1;
            Field& last = fields_.back();
            --last.size;
            if (last.decoded)
                decoded_.pop_back();
        }
    }
    if (size > kMaxRecordBytes)
        return Step::kTooLong;
    const auto base = rows.bytes_.size();
    rows.bytes_.append(data.substr(0, size));
    const auto decodedBase = rows.bytes_.size();
    rows.bytes_.append(decoded_);
    rows.rows_.push_back({{base, size}, rows.fields_.size(), fields_.size(), line_, lineEnd});
    for (const Field& field : fields_)
        rows.fields_.push_back({(field.decoded ? decodedBase : base) + field.offset, field.size});
    const std::string_view text = data.substr(0, i);
    line_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
             (lineEnd != 0 ? 1U : 0U);
    start_ += i + (lineEnd != 0 ? 1 : 0);
    return Step::kRecord;
}

bool TableReader::Read(TableRows& rows) {
    if (!error_.empty())
        return false;
    if (!started_) {
        started_ = true;
        if (!Skip())
            return false;
    }
    if (!delimiter_) {
        std::array<std::size_t, 3> counts{};
        while (!end_ && buffer_.size() - start_ <= kMaxRecordBytes &&
               !CountDelimiters(std::string_view(buffer_).substr(start_), counts)) {
            counts = {};
            if (!Fill())
                return false;
        }
        delimiter_ = DetectDelimiter(std::string_view(buffer_).substr(start_));
    }
    for (;;) {
        if (start_ == buffer_.size() && end_)
            return false;
        Step step = start_ == buffer_.size() ? Step::kMore : Parse(rows);
        if (step == Step::kMore && buffer_.size() - start_ > kMaxRecordBytes)
            step = Step::kTooLong;
        if (step == Step::kRecord)
            return true;
        if (step == Step::kUnclosed) {
            error_ = "line " + std::to_string(line_) +
                     ": a double quote opened in this record is never closed";
            return false;
        }
        if (step == Step::kTooLong) {
            error_ = "line " + std::to_string(line_) + ": a record longer than " +
                     std::to_string(kMaxRecordBytes >> 20) +
                     " MiB (is a double quote never closed?)";
            return false;
        }
        if (!Fill())
            return false;
    }
}

}  // namespace cli
