// From the controls back into the record after every user change, and the
// four "Apply Settings" buttons.
#include "app/ProgramState.h"
#include "app/Resolutions.h"
#include "app/TMainForm.h"
#include "platform/MessageBoxes.h"
#include "settings/Conversions.h"
#include "settings/SaveSettings.h"
#include "settings/comfunc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <array>
#include <utility>

namespace orvane {
namespace {

int32_t switchOf(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

int32_t invertedSwitchOf(const QCheckBox* box)
{
    return box->isChecked() ? 0 : 1;
}

void takePosition(const QSlider* bar, QLabel* count, int32_t& field)
{
    field = bar->value();
    count->setText(QString::number(field));
}

// A valid selection sets the field; none leaves it.
void takeLevel(const QComboBox* list, int32_t& field)
{
    if (list->currentIndex() >= 0 && list->currentIndex() <= 2)
        field = list->currentIndex();
}

void takeDepth(const QComboBox* list, int32_t& field)
{
    if (list->currentIndex() == 0 || list->currentIndex() == 1)
        field = list->currentIndex() == 0 ? 16 : 32;
}

std::string selectedText(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
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
    record.mousescrolldisable = invertedSwitchOf(MSCB);
    MSTrackBar->setEnabled(MSCB->isChecked());
    takePosition(KSTrackBar, KSCount, record.keyscroll);
    record.tooltips = switchOf(TTCB);
    if (const std::string port = NetGP->text().toStdString(); !port.empty()) {
        const int32_t typed = StrToInt(port);
        if (typed != record.netgameport && typed >= LowestPort && typed <= HighestPort)
            record.netgameport = typed;
    }

    if (const int resolution = ResCB->currentIndex(); resolution >= 0 && resolution < int(Resolutions.size()))
        std::tie(record.reswidth, record.resheight) = Resolutions[static_cast<size_t>(resolution)];
    takeDepth(CDCombo, record.colordepth);
    // The rate shown is taken before the list is rebuilt for the new mode.
    if (const int rate = RRCombo->currentIndex(); rate >= 0 && rate < int(state.RefreshRateList.size()))
        record.refreshrate = state.RefreshRateList[static_cast<size_t>(rate)];
    rebuildRefreshRates();
    takeLevel(MDCombo, record.modeldetail);
    takeLevel(AQCombo, record.animquality);
    takeLevel(TQCombo, record.texquality);
    takeLevel(PCombo, record.particles);
    takeLevel(LCombo, record.lights);
    record.unitshadows = switchOf(USCB);
    record.occlusion = switchOf(OCB);
    takePosition(GammaTrackBar, GammaCount, record.gamma);
    takeLevel(MipCombo, record.miplevel);
    takeDepth(TCDCombo, record.texcolordepth);
    record.opengl = OGLCB->isChecked();

    takePosition(SFXTrackBar, SFXCount, record.sfxvolume);
    record.sfx = switchOf(SFXCB);
    for (QWidget* dependent : std::initializer_list<QWidget*>{SFXTrackBar, EnvCB, MovCB, URCB})
        dependent->setEnabled(SFXCB->isChecked());
    takePosition(MusicTrackBar, MusicCount, record.musicvolume);
    record.music = switchOf(MCB);
    MusicTrackBar->setEnabled(MCB->isChecked());
    record.environmental = switchOf(EnvCB);
    record.movement = switchOf(MovCB);
    record.unit = switchOf(URCB);
    record.subtitles = switchOf(STCB);
    record.positional = switchOf(PosCB);
    record.ambient = switchOf(AmbCB);
    takeLevel(SndSysCombo, record.provider);
    record.nomidi = invertedSwitchOf(MidiCB);
    record.softwaremidi = switchOf(SoftMidiCB);

    record.campaignprofile = selectedText(CPCombo);
    record.userbnet = selectedText(BnetName);
    record.userlocal = LANName->text().toStdString();
    record.seenintromovie = invertedSwitchOf(IMCB);
    record.savpath = PS->text().toStdString();
    record.reppath = PR->text().toStdString();
    record.logpath = PL->text().toStdString();
    record.errpath = PE->text().toStdString();
    record.AllowLocalFiles = switchOf(ALFCB);

    if (record.autoapply)
        SaveSettings("all");
}

void TMainForm::rebuildRefreshRates()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    RRCombo->clear();
    RRCombo->addItems(listRefreshRates());
    int selected = -1;
    if (MaxRefreshRate(record.reswidth, record.resheight, record.colordepth) < record.refreshrate) {
        selected = RRCombo->count() > 0 ? 0 : -1;
    } else {
        for (size_t i = 0; i < state.RefreshRateList.size(); ++i)
            if (state.RefreshRateList[i] == record.refreshrate)
                selected = static_cast<int>(i);
    }
    RRCombo->setCurrentIndex(selected);
}

void TMainForm::SaveSettings(std::string_view group)
{
    ProgramState& state = programState();
    orvane::SaveSettings(*state.registry, state.settings, group, NetGP->text().toStdString(), messageBoxes());
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
