// From the controls back into the record after every user change, and the
// four "Apply Settings" buttons.
#include "app/Mappings.h"
#include "app/ProgramState.h"
#include "app/TMainForm.h"
#include "platform/MessageBoxes.h"
#include "settings/Conversions.h"
#include "settings/SaveSettings.h"

namespace orvane {
namespace {

void takePosition(const SliderControl& bar, LabelControl& count, int32_t& field)
{
    field = bar.position();
    count.setCaption(std::to_string(field));
}

void take(const CheckControl& box, int32_t& field, bool inverted = false)
{
    field = switchFor(box.checked(), inverted);
}

void takeLevel(const ListControl& list, int32_t& field)
{
    if (const auto level = levelFor(list.selected()))
        field = *level;
}

void takeDepth(const ListControl& list, int32_t& field)
{
    if (const auto depth = depthFor(list.selected()))
        field = *depth;
}

} // namespace

void TMainForm::UpdButinvClick()
{
    if (!programState().ControlsFilled)
        return;
    ChangeSettings();
    setPanelText(1, "Changes have been made!");
}

void TMainForm::ChangeSettings()
{
    ProgramState& state = programState();
    SettingsSnapshot& record = state.settings;

    takePosition(MSTrackBar, MSCount, record.mousescroll);
    take(MSCB, record.mousescrolldisable, true);
    MSTrackBar.setEnabled(MSCB.checked());
    takePosition(KSTrackBar, KSCount, record.keyscroll);
    take(TTCB, record.tooltips);
    if (const std::string& port = NetGP.text(); !port.empty()) {
        const int32_t typed = StrToInt(port);
        if (typed != record.netgameport && typed >= LowestPort && typed <= HighestPort)
            record.netgameport = typed;
    }

    if (const auto size = resolutionFor(ResCB.selected()))
        std::tie(record.reswidth, record.resheight) = *size;
    takeDepth(CDCombo, record.colordepth);
    // The rate shown is taken before the list is rebuilt for the new mode.
    if (const auto rate = rateAt(state.RefreshRateList, RRCombo.selected()))
        record.refreshrate = *rate;
    rebuildRefreshRates();
    takeLevel(MDCombo, record.modeldetail);
    takeLevel(AQCombo, record.animquality);
    takeLevel(TQCombo, record.texquality);
    takeLevel(PCombo, record.particles);
    takeLevel(LCombo, record.lights);
    take(USCB, record.unitshadows);
    take(OCB, record.occlusion);
    takePosition(GammaTrackBar, GammaCount, record.gamma);
    takeLevel(MipCombo, record.miplevel);
    takeDepth(TCDCombo, record.texcolordepth);
    record.opengl = OGLCB.checked();

    takePosition(SFXTrackBar, SFXCount, record.sfxvolume);
    take(SFXCB, record.sfx);
    for (Control* dependent : std::initializer_list<Control*>{&SFXTrackBar, &EnvCB, &MovCB, &URCB})
        dependent->setEnabled(SFXCB.checked());
    takePosition(MusicTrackBar, MusicCount, record.musicvolume);
    take(MCB, record.music);
    MusicTrackBar.setEnabled(MCB.checked());
    take(EnvCB, record.environmental);
    take(MovCB, record.movement);
    take(URCB, record.unit);
    take(STCB, record.subtitles);
    take(PosCB, record.positional);
    take(AmbCB, record.ambient);
    takeLevel(SndSysCombo, record.provider);
    take(MidiCB, record.nomidi, true);
    take(SoftMidiCB, record.softwaremidi);

    record.campaignprofile = CPCombo.text();
    record.userbnet = BnetName.text();
    record.userlocal = LANName.text();
    take(IMCB, record.seenintromovie, true);
    record.savpath = PS.text();
    record.reppath = PR.text();
    record.logpath = PL.text();
    record.errpath = PE.text();
    take(ALFCB, record.AllowLocalFiles);

    if (record.autoapply)
        SaveSettings("all");
}

void TMainForm::rebuildRefreshRates()
{
    const int32_t top = fillRefreshRates();
    const ProgramState& state = programState();
    RRCombo.select(rebuiltRateIndex(state.RefreshRateList, top, state.settings.refreshrate));
}

void TMainForm::SaveSettings(std::string_view group)
{
    ProgramState& state = programState();
    orvane::SaveSettings(*state.registry, state.settings, group, NetGP.text(), messageBoxes());
}

void TMainForm::GASClick()
{
    SaveSettings("gas");
}

void TMainForm::VASClick()
{
    SaveSettings("vas");
}

void TMainForm::SASClick()
{
    SaveSettings("sas");
}

void TMainForm::MASClick()
{
    SaveSettings("mas");
}

} // namespace orvane
