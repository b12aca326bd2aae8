#pragma once

#include <QString>
#include <array>

// What the program must show, written down here independently of the program's own tables, so
// that a changed character in the program is caught.
namespace expected {

inline const QString kIntroTitle = QStringLiteral("A Pellowick Production");
inline const QString kRatingTitle = QStringLiteral("Kelvory 1.0");
inline const QString kCreditsTitle = QStringLiteral("Credits");
inline const QString kFarewell =
    QStringLiteral("I hope you are feeling sexy, if not, better luck next time!");

inline constexpr std::array<const char*, 22> kVerdicts = {
    "You are Hot stuff",
    "You are Exotic",
    "You are Dreamy",
    "You are Loveable",
    "You are Bashful",
    "You are Studious",
    "You are Jealous",
    "You are A Pushover",
    "You are Uncontrollable",
    "You are Nasty, Try Again!",
    "You are Smoke'n Hot!",
    "You are Boring!",
    "I know I'm just a computer, but want to go out sometime?",
    "What's that smell?",
    "Let's just be friends",
    "What's your sign?",
    "Come here often?",
    "I can't take my eyes off of you!",
    "You are a big flirt",
    "If being sexy was a crime, you\xE2\x80\x99"
    "d be guilty as charged",
    "You are a big tease",
    "The judges and I agree, you are a 10",
};

// The number of the verdict with exactly this text, or -1.
inline int verdictNumber(const QString& text) {
    for (std::size_t k = 0; k < kVerdicts.size(); ++k)
        if (text == QString::fromUtf8(kVerdicts[k]))
            return static_cast<int>(k);
    return -1;
}

} // namespace expected
