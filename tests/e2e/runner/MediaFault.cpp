#include "MediaFault.h"

#include "support/SoundServerProbe.h"

#include <random>

namespace {

const std::string kMovie = "PellowickIntroVideo.mp4";
const std::vector<std::string> kPictures = {"guymeditating", "HotnessMeter1", "HowHot",
                                            "PellowickUpdatedLogosmall"};

std::string randomBytes(std::size_t count) {
    std::mt19937 generator(20240611); // fixed: the same damage in every run
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

MediaFault movieFault(const std::string& name, std::function<void(const BundleCopy&)> damage) {
    return {name, std::move(damage), {}, {kMovie}, {"movie_players"}};
}

// A damaged verdict fails each time it is drawn; a file that is there but no sound also fails
// the one attempt to open it.
MediaFault verdictFault(const std::string& name, int verdict, bool refusedWhenOpened,
                        std::function<void(const BundleCopy&)> damage) {
    return {name,
            std::move(damage),
            {"draws=" + std::to_string(verdict)},
            {"R" + std::to_string(verdict) + ".mp3"},
            {"drawn." + std::to_string(verdict)},
            refusedWhenOpened ? 1 : 0};
}

} // namespace

const std::vector<MediaFault>& MediaFault::all() {
    static const std::vector<MediaFault> faults = {
        {"NoResourcesFolder",
         [](const BundleCopy& bundle) { bundle.removeResources(); },
         {"farewell=missing"},
         {"Resources"},
         {"movie_players", "pictures", "ratings", "exit_presses"}},
        movieFault("MovieMissing", [](const BundleCopy& bundle) { bundle.remove(kMovie); }),
        movieFault("MovieEmpty", [](const BundleCopy& bundle) { bundle.write(kMovie, ""); }),
        movieFault("MovieTruncatedHalfway", [](const BundleCopy& bundle) { bundle.truncateToHalf(kMovie); }),
        movieFault(
            "MovieIsATextFile",
            [](const BundleCopy& bundle) { bundle.write(kMovie, "This is a text file, not a movie.\n"); }),
        movieFault("MovieIsADanglingLink", [](const BundleCopy& bundle) { bundle.danglingLink(kMovie); }),
        verdictFault("VerdictSoundMissing", 0, false,
                     [](const BundleCopy& bundle) { bundle.remove("R0.mp3"); }),
        verdictFault("VerdictSoundEmpty", 21, true,
                     [](const BundleCopy& bundle) { bundle.write("R21.mp3", ""); }),
        verdictFault("VerdictSoundRandomBytes", 12, true,
                     [](const BundleCopy& bundle) { bundle.write("R12.mp3", randomBytes(16384)); }),
        verdictFault("VerdictSoundIsText", 19, true,
                     [](const BundleCopy& bundle) { bundle.write("R19.mp3", "ID: not a sound at all\n"); }),
        verdictFault("VerdictSoundIsADanglingLink", 5, false,
                     [](const BundleCopy& bundle) { bundle.danglingLink("R5.mp3"); }),
        verdictFault("VerdictSoundClaimsOneHertz", 7, false,
                     [](const BundleCopy& bundle) {
                         bundle.write("R7.mp3", monoWave(1, 8, std::string(1 << 20, '\x40')));
                     }),
        [] {
            auto fault = verdictFault("VerdictSoundLastsHours", 16, false, [](const BundleCopy& bundle) {
                bundle.write("R16.mp3", monoWave(8000, 8, std::string(64 << 20, '\x40')));
            });
            fault.peaksAsUndamaged = true;
            return fault;
        }(),
        {"FarewellSoundMissing",
         [](const BundleCopy& bundle) { bundle.remove("nice.mp3"); },
         {"farewell=missing"},
         {"nice.mp3"},
         {"exit_presses"}},
        {"EveryPictureMissing",
         [](const BundleCopy& bundle) {
             for (const std::string& picture : kPictures)
                 bundle.remove(picture + ".svg");
         },
         {},
         kPictures,
         {"pictures"}},
    };
    return faults;
}

long long MediaFault::failingActions(const RunResult& run) const {
    long long actions = failedOpenings;
    for (const std::string& fact : metBy)
        actions += run.number(fact);
    return actions;
}

void PrintTo(const MediaFault& fault, std::ostream* out) {
    *out << fault.name;
}
