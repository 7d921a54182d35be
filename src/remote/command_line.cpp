#include "remote/command_line.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// ASCII punctuation, as the C locale's ispunct() has it.
bool IsPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}

// '\' starts a long command, '?' asks for help, '_' is a command and '#' a comment: none of them
// selects the extended response.
bool IsResponsePrefix(char c) {
    return IsPunctuation(c) && c != '\\' && c != '?' && c != '_' && c != '#';
}

struct Token {
    std::string_view text;  // empty: none
    std::size_t end = 0;
};

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return position_ >= text_.size(); }
    char Peek() const { return text_[position_]; }
    char Take() { return text_[position_++]; }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) ++position_;
    }
    // The next token, only when a blank separates it from what came before: in "fmv" the 'm'
    // is the next command, not an argument of 'f'.
    Token PeekArgument() const {
        if (AtEnd() || !IsBlank(Peek())) return {};
        std::size_t start = position_;
        while (start < text_.size() && IsBlank(text_[start])) ++start;
        std::size_t end = start;
        while (end < text_.size() && !IsBlank(text_[end])) ++end;
        return {text_.substr(start, end - start), end};
    }
    void Skip(const Token& token) { position_ = token.end; }
    std::string_view TakeWord() {
        const std::size_t start = position_;
        while (!AtEnd() && !IsBlank(Peek())) ++position_;
        return text_.substr(start, position_ - start);
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

void TakeArguments(Cursor& cursor, ParsedCommand& command) {
    Token token = cursor.PeekArgument();
    if (command.entry->takesVfo && IsVfoToken(token.text)) {
        command.vfo = token.text;
        cursor.Skip(token);
        token = cursor.PeekArgument();
    }
    while (static_cast<int>(command.arguments.size()) < command.entry->argumentCount &&
           !token.text.empty()) {
        command.arguments.emplace_back(token.text);
        cursor.Skip(token);
        token = cursor.PeekArgument();
    }
}

}  // namespace

bool IsVfoToken(std::string_view token) {
    static constexpr std::string_view kNames[] = {
        "VFOA", "VFOB",  "VFOC",  "currVFO", "VFO",  "MEM",  "Main", "Sub", "TX",
        "RX",   "MainA", "MainB", "MainC",   "SubA", "SubB", "SubC", "None"};
    return std::find(std::begin(kNames), std::end(kNames), token) != std::end(kNames);
}

ParsedLine ParseCommandLine(std::string_view line) {
    ParsedLine parsed;
    Cursor cursor(line);
    cursor.SkipBlanks();
    if (cursor.AtEnd() || cursor.Peek() == '#') return parsed;
    if (IsResponsePrefix(cursor.Peek())) {
        const char prefix = cursor.Take();
        parsed.separator = prefix == '+' ? '\n' : prefix;
    }
    for (cursor.SkipBlanks(); !cursor.AtEnd(); cursor.SkipBlanks()) {
        ParsedCommand command;
        if (cursor.Peek() == '\\') {
            cursor.Take();
            command.entry = FindLongCommand(cursor.TakeWord());
        } else {
            command.entry = FindShortCommand(cursor.Take());
        }
        if (command.entry == nullptr) {
            parsed.commands.push_back(command);
            break;
        }
        TakeArguments(cursor, command);
        parsed.commands.push_back(std::move(command));
    }
    return parsed;
}
