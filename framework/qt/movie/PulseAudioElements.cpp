#include "qt/movie/PulseAudioElements.h"

#include <QByteArray>
#include <QtGlobal>
#include <dlfcn.h>

namespace fw::qt {

namespace {

constexpr const char* kFeatures[] = {"pulsedeviceprovider", "pulsesink", "pulsesrc"};

template <class Function> Function find(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

} // namespace

void PulseAudioElements::keepOut() {
    // GStreamer 1.22 applies GST_PLUGIN_FEATURE_RANK to elements only, not to device providers, so
    // the ranks are set through GStreamer itself: the library Qt Multimedia loads a moment later,
    // initialised here first (Qt's own initialisation then finds it done). A device monitor takes
    // no provider ranked below marginal, and nothing picks a sink or a source ranked none.
    void* gstreamer = dlopen("libgstreamer-1.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!gstreamer)
        return; // then Qt Multimedia does not use GStreamer either
    const auto init = find<int (*)(int*, char***, void**)>(gstreamer, "gst_init_check");
    const auto registry = find<void* (*)()>(gstreamer, "gst_registry_get");
    const auto lookup = find<void* (*)(void*, const char*)>(gstreamer, "gst_registry_lookup_feature");
    const auto setRank = find<void (*)(void*, unsigned)>(gstreamer, "gst_plugin_feature_set_rank");
    const auto unref = find<void (*)(void*)>(gstreamer, "gst_object_unref");
    if (!init || !registry || !lookup || !setRank || !unref || !init(nullptr, nullptr, nullptr))
        return;
    const QByteArray given = qgetenv("GST_PLUGIN_FEATURE_RANK");
    for (const char* name : kFeatures) {
        void* feature = given.contains(name) ? nullptr : lookup(registry(), name);
        if (!feature)
            continue;
        setRank(feature, 0);
        unref(feature);
    }
    // The library stays loaded: Qt Multimedia uses it for the rest of the run.
}

} // namespace fw::qt
