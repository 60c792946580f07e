#include "kernel/command_line.h"

namespace mfpwin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes group but are dropped, backslashes are path separators.
size_t ReadProgram(const std::string &text, size_t at, std::string &program)
{
    bool quoted = false;
    for (; at < text.size(); ++at) {
        char c = text[at];
        if (c == '"')
            quoted = !quoted;
        else if (IsBlank(c) && !quoted)
            break;
        else
            program += c;
    }
    return at;
}

size_t ReadArgument(const std::string &text, size_t at, std::string &argument)
{
    bool quoted = false;
    while (at < text.size()) {
        char c = text[at];
        if (c == '\\') {
            size_t backslashes = 0;
            while (at < text.size() && text[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < text.size() && text[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                    ++at;
                }
            } else {
                argument.append(backslashes, '\\');
            }
        } else if (c == '"') {
            if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
                argument += '"';
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            argument += c;
            ++at;
        }
    }
    return at;
}

size_t SkipBlanks(const std::string &text, size_t at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string &commandLine)
{
    std::vector<std::string> arguments;
    size_t at = SkipBlanks(commandLine, 0);
    if (at == commandLine.size())
        return arguments;
    std::string program;
    at = ReadProgram(commandLine, at, program);
    arguments.push_back(program);
    for (at = SkipBlanks(commandLine, at); at < commandLine.size(); at = SkipBlanks(commandLine, at)) {
        std::string argument;
        at = ReadArgument(commandLine, at, argument);
        arguments.push_back(argument);
    }
    return arguments;
}

}  // namespace mfpwin
