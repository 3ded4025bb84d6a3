// The TNC Settings page: the packet modem and its link parameters.
#include <windows.h>

#include "core/PublicIds.h"
#include "core/SatelliteLinkForms.h"
#include "ui/DialogFields.h"
#include "ui/SatelliteLinkPagesIds.h"
#include "ui/SatellitePages.h"

namespace tarvon {
namespace {

namespace lim = link_limits;

// In the order of TncField.
constexpr int kFieldIds[] = {IDC_TNC_TX_BUFFER, IDC_TNC_RX_BUFFER, IDC_TNC_MAXFRAME,
                             IDC_TNC_RETRIES,   IDC_TNC_RETRY_TIME, IDC_TNC_TX_DELAY,
                             IDC_TNC_TX_TAIL,   IDC_TNC_PACKET_LENGTH, IDC_TNC_DSP_MODE};
constexpr struct {
    int id;
    SatelliteList list;
} kLists[] = {{IDC_TNC_TYPE, SatelliteList::TncType},
              {IDC_TNC_PORT, SatelliteList::Port},
              {IDC_TNC_SPEED, SatelliteList::Speed},
              {IDC_TNC_UPLINK, SatelliteList::UplinkSpeed}};

void Init(HWND page) {
    for (const auto& l : kLists) FillComboBox(page, l.id, ChoiceNames(l.list));
    LimitText(page, IDC_TNC_TX_BUFFER, lim::kBufferSize);
    LimitText(page, IDC_TNC_RX_BUFFER, lim::kBufferSize);
    LimitText(page, IDC_TNC_MAXFRAME, lim::kMaxFrame);
    LimitText(page, IDC_TNC_RETRIES, lim::kRetries);
    LimitText(page, IDC_TNC_RETRY_TIME, lim::kRetrySeconds);
    LimitText(page, IDC_TNC_TX_DELAY, lim::kMilliseconds);
    LimitText(page, IDC_TNC_TX_TAIL, lim::kMilliseconds);
    LimitText(page, IDC_TNC_PACKET_LENGTH, lim::kPacketLength);
    LimitText(page, IDC_TNC_DSP_MODE, lim::kDspMode);
}

void Show(HWND page, const SatelliteSheet& sheet) {
    const TncForm f = TncFormFor(sheet.config);
    SetComboIndex(page, IDC_TNC_TYPE, f.tncType);
    SetComboIndex(page, IDC_TNC_PORT, f.port);
    SetComboIndex(page, IDC_TNC_SPEED, f.speed);
    SetComboIndex(page, IDC_TNC_UPLINK, f.uplinkSpeed);
    SetControlText(page, IDC_TNC_TX_BUFFER, f.txBuffer);
    SetControlText(page, IDC_TNC_RX_BUFFER, f.rxBuffer);
    SetControlText(page, IDC_TNC_MAXFRAME, f.maxFrame);
    SetControlText(page, IDC_TNC_RETRIES, f.retries);
    SetControlText(page, IDC_TNC_RETRY_TIME, f.retrySeconds);
    SetControlText(page, IDC_TNC_TX_DELAY, f.txDelay);
    SetControlText(page, IDC_TNC_TX_TAIL, f.txTail);
    SetControlText(page, IDC_TNC_PACKET_LENGTH, f.packetLength);
    SetChecked(page, IDC_TNC_SMACK, f.testSmack);
    SetControlText(page, IDC_TNC_DSP_MODE, f.dspMode);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    TncForm f;
    f.tncType = ComboIndex(page, IDC_TNC_TYPE);
    f.port = ComboIndex(page, IDC_TNC_PORT);
    f.speed = ComboIndex(page, IDC_TNC_SPEED);
    f.uplinkSpeed = ComboIndex(page, IDC_TNC_UPLINK);
    f.txBuffer = ControlText(page, IDC_TNC_TX_BUFFER);
    f.rxBuffer = ControlText(page, IDC_TNC_RX_BUFFER);
    f.maxFrame = ControlText(page, IDC_TNC_MAXFRAME);
    f.retries = ControlText(page, IDC_TNC_RETRIES);
    f.retrySeconds = ControlText(page, IDC_TNC_RETRY_TIME);
    f.txDelay = ControlText(page, IDC_TNC_TX_DELAY);
    f.txTail = ControlText(page, IDC_TNC_TX_TAIL);
    f.packetLength = ControlText(page, IDC_TNC_PACKET_LENGTH);
    f.testSmack = IsChecked(page, IDC_TNC_SMACK);
    f.dspMode = ControlText(page, IDC_TNC_DSP_MODE);
    if (auto problem = ReadTncForm(f, sheet.config)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& TncPage() {
    static constexpr SatellitePage kPage{SatellitePageId::Tnc, IDD_SAT_TNC, IDH_SAT_TNC, "satellite TNC page",
                                         Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
