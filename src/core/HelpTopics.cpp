#include "core/HelpTopics.h"

#include <cstdio>
#include <iterator>

#include "core/PublicIds.h"

namespace tarvon {
namespace {

const HelpTopic kTopics[] = {
    {IDH_CONTENTS, "index.html", ""},
    {IDH_USING_HELP, "using-help.html", ""},
    {IDH_MAIN_WINDOW, "main-window.html", ""},
    {IDH_MAP_SELECT_SATELLITE, "map-select-satellite.html", ""},
    {IDH_RUN_PASS, "run-pass.html", ""},
    {IDH_EDIT_SATELLITE_DATA, "edit-satellite-data.html", ""},
    {IDH_UPDATE_KEPS, "update-satellite-database.html", ""},
    {IDH_ENABLE_ROTATOR, "enable-rotator.html", ""},
    {IDH_NOTIFICATION, "pass-notification.html", ""},
    {IDH_EDIT_OBSERVERS, "edit-observers.html", ""},
    {IDH_CHANGE_OBSERVERS, "change-observers.html", ""},
    {IDH_SOUNDS, "sounds.html", ""},
    {IDH_EDIT_PASS, "edit-schedule.html", ""},
    {IDH_MAP_OPTIONS, "map-options.html", ""},
    {IDH_MAP_WINDOW, "map-window.html", ""},
    {IDH_DIRECTORY_MAINTENANCE, "directory-maintenance.html", ""},
    {IDH_VANT_LOG, "vant-logs.html", ""},
    {IDH_UPLOAD_LOG, "upload-logging.html", ""},
    {IDH_UPLOAD_STATUS, "upload-file-status.html", ""},
    {IDH_UPLOAD_COPY, "upload-file-status.html", "copy"},
    {IDH_BRISKO_ERRORS, "brisko-errors.html", ""},
    {IDH_RUN_BRISKO, "run-brisko.html", ""},
    {IDH_GENERAL_SETUP, "general-setup.html", ""},
    {IDH_VANT_SETUP, "vant-setup.html", ""},
    {IDH_PEVRIN_SETUP, "pevrin-setup.html", ""},
    {IDH_SCRIVET_SETUP, "scrivet-setup.html", ""},
    {IDH_BRISKO_SETUP, "brisko-setup.html", ""},
    {IDH_SCHEDULE_EVENTS, "schedule-events.html", ""},
    {IDH_FILE_HOUSEKEEPING, "file-housekeeping.html", ""},
    {IDH_TRACKING, "tracking.html", ""},
    {IDH_SETUP_PROGRAMS, "setup-programs.html", ""},
    {IDH_STATION, "station-setup.html", ""},
    {IDH_TRANSVERTERS, "transverters.html", ""},
    {IDH_SAT_TNC, "satellite-tnc.html", ""},
    {IDH_SAT_DIRECTORIES, "satellite-directories.html", ""},
    {IDH_SAT_VANT, "satellite-vant.html", ""},
    {IDH_SATELLITES, "satellites.html", ""},
    {IDH_SAT_SCHEDULING, "satellite-scheduling.html", ""},
    {IDH_SAT_FREQUENCIES, "satellite-frequencies.html", ""},
};

// Unreserved characters of a URL and the path's own separators stay as they are.
bool KeptInUrl(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~' || c == '/' || c == ':';
}

}  // namespace

HelpTopic FindHelpTopic(unsigned context) {
    for (const HelpTopic& topic : kTopics) {
        if (topic.context == context) return topic;
    }
    return kTopics[0];
}

std::span<const HelpTopic> HelpTopics() { return {std::begin(kTopics), std::end(kTopics)}; }

std::string HelpTarget(const HelpTopic& topic, int controlId) {
    std::string target = topic.page;
    if (controlId > 0) return target + "#ctl" + std::to_string(controlId);
    if (*topic.anchor) target += std::string("#") + topic.anchor;
    return target;
}

std::string HelpFileUrl(const std::string& helpFolder, const std::string& target) {
    std::string url = "file:///";
    for (unsigned char c : helpFolder + "\\" + target.substr(0, target.find('#'))) {
        if (c == '\\') c = '/';
        if (KeptInUrl(c)) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    const size_t hash = target.find('#');
    if (hash != std::string::npos) url += target.substr(hash);
    return url;
}

}  // namespace tarvon
