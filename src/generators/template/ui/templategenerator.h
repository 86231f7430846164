#pragma once

#include <functional>

class GeneratorHost;
class TemplateDialog;

// What the template wizard needs of the main window besides the host.
struct TemplateHooks {
    // Renders the page in the preview again (after "&Refresh").
    std::function<void()> refreshPreview;
    // While the wizard is open the editor pane gives its room to the
    // preview: collapse when it opens, restore when it closes.
    std::function<void()> collapseEditor;
    std::function<void()> restoreEditor;
};

// "Template Veda Guy...": opens the wizard on the page in the host's
// document editor, without blocking the main window, and returns it (it
// deletes itself when closed). A page of one line or none gets "No document
// appears to be loaded." instead, and null is returned.
TemplateDialog *openTemplateVedaGuy(GeneratorHost &host, const TemplateHooks &hooks);
