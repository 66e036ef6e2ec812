// mapc OUT/map.pac stage1.txt ... : compiles the stage sources into the stage
// archive, or names every broken rule and writes nothing.
#include "MapRules.h"
#include "MapSource.h"
#include "MapWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Writes through a temporary file renamed over the target, so a failed run
// never leaves a half-written archive for the build to pick up.
bool writeWhole(const std::string& path, const std::vector<std::uint8_t>& data) {
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    if (std::fclose(file) != 0 || !written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapc OUT/map.pac stage1.txt stage2.txt ...\n");
        return 2;
    }
    std::vector<mapc::Diagnostic> diagnostics;
    mapc::checkStageCount(argc - 2, diagnostics);
    std::vector<mapc::Stage> stages(argc - 2);
    std::vector<mapc::StageSummary> summaries(stages.size());
    for (std::size_t i = 0; i < stages.size(); ++i)
        if (mapc::readStage(argv[i + 2], stages[i], diagnostics))
            mapc::checkStage(stages[i], diagnostics, &summaries[i]);
    for (const mapc::Diagnostic& d : diagnostics) std::fprintf(stderr, "%s\n", mapc::formatDiagnostic(d).c_str());
    if (!diagnostics.empty()) {
        std::fprintf(stderr, "mapc: %zu problem(s); %s not written\n", diagnostics.size(), argv[1]);
        return 1;
    }
    if (!writeWhole(argv[1], mapc::writeMapPac(stages))) {
        std::fprintf(stderr, "mapc: %s: cannot write\n", argv[1]);
        return 1;
    }
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const int seconds = summaries[i].scrollFrames / 60;
        std::printf("mapc: %s: %d x %d tiles, %zu characters, %zu scroll records, scroll %d:%02d\n",
                    stages[i].file.c_str(), stages[i].width, stages[i].height, stages[i].chars.size(),
                    stages[i].scroll.size(), seconds / 60, seconds % 60);
    }
    return 0;
}
