#include "media/Sound.h"
#include "runtime/NotNil.h"
#include "services/Random.h"
#include "services/System.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopLabel.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <string>
#include <vector>

void WinMain::btn_RateMe_Pressed(std::shared_ptr<fw::DesktopButton>) {
    ReadPersonality();
}

// One rating. The button stays disabled until the next tick of Timer1, so at most one rating
// starts between two ticks; the verdict is shown before its sound is asked for.
void WinMain::ReadPersonality() {
    std::vector<std::string> verdicts(kVerdicts.size());
    fw::NotNil(btn_RateMe())->Enabled(false);
    for (std::size_t k = 0; k < kVerdicts.size(); ++k)
        verdicts[k] = kVerdicts[k].text;
    const auto r = static_cast<std::size_t>(fw::NotNil(fw::System::Random())->InRange(0, 21));
    fw::NotNil(lbl_result())->Text(verdicts[r]);
    fw::NotNil(kVerdicts[r].sound(),
               "verdict " + std::to_string(r) + " has no sound (R" + std::to_string(r) + ".mp3)")
        ->Play();
}

void WinMain::Timer1_Action(std::shared_ptr<fw::Timer>) {
    fw::NotNil(btn_RateMe())->Enabled(true);
}
