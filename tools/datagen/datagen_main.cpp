// amberwick-datagen: the build steps of the data set that are not pictures,
// sounds or the font.
//   amberwick-datagen text SOURCE OUTPUT
//       a UTF-8 text source to a game text (code page, CR LF, safe ending)
//   amberwick-datagen assemble STAGE DATA WORK [PACKTOOL]
//       the staging tree to the Data directory (disk files and archives)
#include "assemble.h"
#include "text_file.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: amberwick-datagen text SOURCE OUTPUT\n"
                 "       amberwick-datagen assemble STAGE DATA WORK [PACKTOOL]\n";
    return 2;
}

int convertText(const std::string& source, const std::string& output) {
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << source << ": cannot read\n";
        return 1;
    }
    std::string text(std::istreambuf_iterator<char>(in), {});
    aw::datagen::TextFileResult r = aw::datagen::convertTextSource(text);
    if (!r.error.empty()) {
        std::cerr << source << ": " << r.error << "\n";
        return 1;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(r.bytes.data(), static_cast<std::streamsize>(r.bytes.size()));
    if (!out.flush()) {
        std::cerr << output << ": cannot write\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    std::string command = argv[1];
    if (command == "text" && argc == 4) return convertText(argv[2], argv[3]);
    if (command == "assemble" && (argc == 5 || argc == 6)) {
        aw::datagen::AssembleOptions o;
        o.stage = argv[2];
        o.data = argv[3];
        o.work = argv[4];
        if (argc == 6) o.packTool = argv[5];
        return aw::datagen::assembleDataSet(o, std::cerr);
    }
    return usage();
}
