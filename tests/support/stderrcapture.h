#pragma once
// What the process writes on stderr while `body` runs: for tests of what the program says, or
// must not say, to a player who started it from a terminal.

#include <cstdio>
#include <string>

#include <unistd.h>

template <typename Body> std::string capturedStderr(Body body)
{
    std::fflush(stderr);
    FILE* sink = std::tmpfile();
    if (!sink)
        return "cannot capture stderr";
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(sink), STDERR_FILENO);
    body();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    std::rewind(sink);
    for (int c; (c = std::fgetc(sink)) != EOF;)
        text += char(c);
    std::fclose(sink);
    return text;
}
