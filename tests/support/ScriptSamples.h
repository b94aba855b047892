#pragma once

// Script texts that must survive every layer byte for byte: line ends of
// every kind, bytes above 127, NUL bytes, no final line end, and the largest
// script allowed.

#include <QByteArray>

#include <vector>

// `size` bytes of CR LF lines of 60 characters.
inline QByteArray ScriptOfSize(qsizetype size)
{
    QByteArray bytes(size, 'q');
    for (qsizetype i = 61; i < size; i += 62) {
        bytes[i - 1] = '\r';
        bytes[i] = '\n';
    }
    return bytes;
}

struct ScriptSample {
    const char *name;
    QByteArray bytes;
};

inline std::vector<ScriptSample> RoundTripSamples(qsizetype largestAllowed)
{
    return {
        {"empty", QByteArray()},
        {"CR LF", QByteArray("<PLAYER_SETUP>\r\n  random_placement\r\n")},
        {"LF only", QByteArray("<LAND_GENERATION>\nbase_terrain GRASS\n")},
        {"lone CR", QByteArray("one\rtwo\r")},
        {"mixed", QByteArray("a\r\nb\nc\rd\n\re")},
        {"above 127", QByteArray("\x80\x81\x93\x94\xE9\xFF\xA0", 7)},
        {"NUL bytes", QByteArray("a\0b\0\0c\r\n\0", 9)},
        {"no final newline", QByteArray("create_land { }")},
        {"largest allowed", ScriptOfSize(largestAllowed)},
    };
}
