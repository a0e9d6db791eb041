// What the game reads before its first frame: the welcome window's scheme and, for a game on
// several CDs, the index of what lies on which CD.
#include "run/checker/CheckContext.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/CdIndex.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"

#include <exception>

namespace run::checker {

void CheckContext::checkScheme() {
    const std::string& name = m_project.info.SchemeName;
    if (name.empty()) return;
    const std::string folder = m_project.paths.schemes + name + "/";
    if (!ProjectFileExists(folder + "Scheme.txt")) {
        findings.warning("Config/General", "scheme",
                         "the scheme \"" + name + "\" has no file Schemes/" + name +
                             "/Scheme.txt: the welcome window keeps its plain buttons");
        return;
    }
    const std::string found = ExistingPath(folder + "Scheme.txt");
    const std::string rel = relative(found);
    auto r = openRecord(found);
    if (!r) return;
    try {
        for (int i = 0; i < 3; ++i)
            r->readVariant();
        const long count = r->readVariant().toLong();
        if (count <= 0) {
            findings.warning(rel, "picture count", "the scheme has no pictures: it changes nothing");
            return;
        }
        for (long i = 0; i < count && !(r->atEnd() && i > 3); ++i) {
            if (r->atEnd()) break;
            const std::string value = r->readVariant().text();
            const std::string lower = platform::LowerCaseWin(value);
            if (lower != "[none]" && lower != "[default]")
                checkFile(rel, "picture " + std::to_string(i), folder, value, Media::Picture);
        }
        const long version = r->readVariant().toLong();
        if (version == 0) return;
        for (int i = 0; i < (version >= 4 ? 4 : 3); ++i)
            r->readVariant().toLong();
        if (r->atEnd()) return;
        for (int i = 0; i < 4; ++i)
            r->readVariant();
        if (r->atEnd()) return;
        r->readVariant();
        r->readInteger();
        r->readBoolean();
    } catch (const RecordError& e) {
        damaged(found, r->position(), e.what());
    }
}

void CheckContext::checkCdIndex() {
    if (!IsCdProject(m_project)) return;
    const std::string found = ExistingPath(m_project.paths.config + "CDContents");
    const std::string rel = relative(found);
    auto r = openRecord(found);
    if (!r) return;
    try {
        int cds = 0, entry = 0;
        ReadCdIndexFile(*r, cds, [&](const std::string& name, int cd, int kind) {
            const std::string place = "entry " + std::to_string(++entry);
            if (!CdIndexKeeps(name, cd, kind, cds)) {
                findings.warning(rel, place,
                                 name.empty() ? std::string("the entry names no file and is skipped")
                                 : kind == 0  ? "the entry for " + name + " has no folder and is skipped"
                                              : "the entry for " + name + " is on CD " + std::to_string(cd) +
                                                   ", but the game has CDs 1 to " + std::to_string(cds) +
                                                   ": it is skipped");
                return;
            }
            if (kind != 1 && kind != 2) {
                findings.warning(rel, place,
                                 "the entry for " + name + " has folder kind " + std::to_string(kind) +
                                     ", neither 1 (Frames) nor 2 (Areas): the file is looked for in the "
                                     "game's folder only");
                return;
            }
            const std::string folder = kind == 1 ? m_project.paths.frames : m_project.paths.areas;
            m_cdFiles[platform::LowerCaseWin(folder + name)] = cd;
        });
    } catch (const RecordError& e) {
        damaged(found, r->position(), e.what());
    }
}

} // namespace run::checker
