// lzrw1: the tally file codec on the command line, for looking into tally files by hand.
//   lzrw1 c IN OUT    compresses IN into OUT
//   lzrw1 d IN OUT    decompresses IN into OUT
// A failure prints the codec's error text and exits with 1.

#include "compress/tlzrw1.h"

#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    const bool valid = argc == 4 && (std::strcmp(argv[1], "c") == 0 || std::strcmp(argv[1], "d") == 0);
    if (!valid) {
        std::cerr << "usage: lzrw1 c|d INPUT OUTPUT\n";
        return 2;
    }
    lzrw1::Tlzrw1 codec;
    codec.CompressMode = lzrw1::TCompressMode::Fast;
    codec.InputFile = argv[2];
    codec.OutputFile = argv[3];
    try {
        if (argv[1][0] == 'c')
            codec.Compress();
        else
            codec.Decompress();
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
