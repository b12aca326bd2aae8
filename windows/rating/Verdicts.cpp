#include "windows/rating/Verdicts.h"

#include "media/MediaAccessors.h"

const std::array<Verdict, 22> kVerdicts = {{
    {"You are Hot stuff", &R0},
    {"You are Exotic", &R1},
    {"You are Dreamy", &R2},
    {"You are Loveable", &R3},
    {"You are Bashful", &R4},
    {"You are Studious", &R5},
    {"You are Jealous", &R6},
    {"You are A Pushover", &R7},
    {"You are Uncontrollable", &R8},
    {"You are Nasty, Try Again!", &R9},
    {"You are Smoke'n Hot!", &R10},
    {"You are Boring!", &R11},
    {"I know I'm just a computer, but want to go out sometime?", &R12},
    {"What's that smell?", &R13},
    {"Let's just be friends", &R14},
    {"What's your sign?", &R15},
    {"Come here often?", &R16},
    {"I can't take my eyes off of you!", &R17},
    {"You are a big flirt", &R18},
    {"If being sexy was a crime, you\u2019d be guilty as charged", &R19},
    {"You are a big tease", &R20},
    {"The judges and I agree, you are a 10", &R21},
}};
