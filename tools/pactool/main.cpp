// pactool: packs images into a texture archive, lists one, or extracts an entry.
//   pactool pack OUT.pac IN0 IN1 ...   entries in the given order, named by base name
//   pactool list FILE.pac              one line per entry: index, name, size, offset
//   pactool extract FILE.pac INDEX OUT
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FileIo.h"
#include "PacFormat.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "pactool: %s\n", message.c_str());
    return 1;
}

int usage() {
    return fail("usage: pactool pack OUT.pac IN...\n"
                "       pactool list FILE.pac\n"
                "       pactool extract FILE.pac INDEX OUT");
}

int pack(const std::string& outPath, const std::vector<std::string>& inputs) {
    std::vector<tools::PacEntry> entries;
    std::string error;
    if (inputs.size() > tools::kPacMaxEntries)
        return fail(outPath + ": " + std::to_string(inputs.size()) + " inputs, an archive holds at most " +
                    std::to_string(tools::kPacMaxEntries));
    for (const std::string& input : inputs) {
        tools::PacEntry entry;
        entry.name = tools::baseName(input);
        if (!tools::readFile(input, entry.data, error)) return fail(error);
        entries.push_back(std::move(entry));
    }
    tools::Bytes archive;
    if (!tools::buildArchive(entries, archive, error)) return fail(outPath + ": " + error);
    if (!tools::writeFile(outPath, archive, error)) return fail(error);
    return 0;
}

bool openArchive(const std::string& path, tools::Bytes& archive, std::vector<tools::PacIndexEntry>& index,
                 std::string& error) {
    if (!tools::readFile(path, archive, error)) return false;
    if (!tools::parseArchive(archive, index, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

int list(const std::string& path) {
    tools::Bytes archive;
    std::vector<tools::PacIndexEntry> index;
    std::string error;
    if (!openArchive(path, archive, index, error)) return fail(error);
    for (std::size_t i = 0; i < index.size(); ++i)
        std::printf("%zu %s %u %u\n", i, index[i].name.c_str(), index[i].size, index[i].offset);
    return 0;
}

int extract(const std::string& path, const std::string& indexText, const std::string& outPath) {
    tools::Bytes archive;
    std::vector<tools::PacIndexEntry> index;
    std::string error;
    if (!openArchive(path, archive, index, error)) return fail(error);
    char* end = nullptr;
    const unsigned long which = std::strtoul(indexText.c_str(), &end, 10);
    if (indexText.empty() || *end != '\0' || indexText[0] == '-' || which >= index.size())
        return fail(path + ": no entry \"" + indexText + "\" (the archive has " + std::to_string(index.size()) +
                    " entries)");
    const tools::PacIndexEntry& entry = index[which];
    const tools::Bytes data(archive.begin() + entry.offset, archive.begin() + entry.offset + entry.size);
    if (!tools::writeFile(outPath, data, error)) return fail(error);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "pack")
        return pack(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    if (args.size() == 2 && args[0] == "list") return list(args[1]);
    if (args.size() == 4 && args[0] == "extract") return extract(args[1], args[2], args[3]);
    return usage();
}
