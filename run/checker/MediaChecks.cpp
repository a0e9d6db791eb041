// The files a game names: found by the player's own lookup (any letter case, backslashes, the
// hidden names of compiled games), kept inside the project, and decoded as what they are meant
// to be.
#include "run/checker/CheckContext.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/graphics/AnimatedPicture.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/media/MediaPlayer.h"
#include "run/platform/media/MidiSource.h"
#include "run/platform/media/VideoDecoder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace run::checker {

namespace {

// Larger files are reported, not decoded: a checker that reads a 2 GB picture helps no one.
constexpr std::uintmax_t kLargestDecoded = 256ull << 20;

const char* kindName(CheckContext::Media kind) {
    switch (kind) {
    case CheckContext::Media::Picture:
        return "a picture";
    case CheckContext::Media::Sound:
        return "a sound";
    case CheckContext::Media::Video:
        return "a video";
    case CheckContext::Media::AnimatedPicture:
        return "an animated picture";
    default:
        return "a file";
    }
}

// The reason the file does not decode as `kind`; "" when it does.
std::string decodeProblem(const std::string& path, CheckContext::Media kind) {
    std::string error;
    switch (kind) {
    case CheckContext::Media::Picture: {
        platform::PictureResult r = platform::LoadPictureFile(path);
        return r.picture ? "" : r.error;
    }
    case CheckContext::Media::AnimatedPicture: {
        platform::AnimatedPictureResult r = platform::LoadAnimatedPictureFile(path);
        return r.animation ? "" : r.error;
    }
    case CheckContext::Media::Sound: {
        // A tune is read without the sound font (150 MB) that playing it needs.
        std::ifstream in(path, std::ios::binary);
        char head[4] = {};
        in.read(head, 4);
        if (in.gcount() == 4 && std::string(head, 4) == "MThd") {
            in.seekg(0);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            return platform::MidiSource::check(bytes);
        }
        return platform::OpenSoundFile(path, error) ? "" : error;
    }
    case CheckContext::Media::Video:
        return platform::VideoDecoder::open(path, error) ? "" : error;
    default:
        return "";
    }
}

} // namespace

std::optional<std::string> CheckContext::checkFile(const std::string& referrer, const std::string& place,
                                                   const std::string& folderPath, const std::string& name,
                                                   Media kind) {
    if (name.empty()) return std::nullopt;
    const std::string wanted = folderPath + name;
    const std::optional<std::string> found = m_files.FindProjectFile(wanted);
    if (!found && m_cdFiles.count(platform::LowerCaseWin(wanted))) {
        ++filesOnCds;
        return std::nullopt;
    }
    if (!found) {
        findings.error(referrer, place,
                       std::string("the file ") + relative(wanted) +
                           " is not found (under its own name or the "
                           "hidden names of a compiled game)");
        return std::nullopt;
    }
    if (!insideProject(*found)) {
        findings.error(referrer, place, "the file " + relative(wanted) + " leads out of the game's folder");
        return std::nullopt;
    }
    auto known = m_decoded.find(*found);
    if (known == m_decoded.end()) {
        ++filesChecked;
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(*found, ec);
        std::string problem;
        if (!ec && size > kLargestDecoded) {
            findings.warning(relative(*found), "",
                             "the file is too large to check (" + std::to_string(size >> 20) + " MB)");
        } else {
            problem = decodeProblem(*found, kind);
            if (!problem.empty())
                findings.error(relative(*found), "",
                               std::string("the file does not decode as ") + kindName(kind) + ": " + problem);
        }
        known = m_decoded.emplace(*found, problem.empty()).first;
    }
    return found;
}

} // namespace run::checker
