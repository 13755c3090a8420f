#include "CliArgs.h"
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "ConsoleMainWindow.h"
#include "ConsoleView.h"
#include "app/MainWindowControls.h"
#include "oem/CommandScope.h"
#include "support/SupportEditorControls.h"
#include "support/SupportEditorPresenter.h"

namespace pelmora::cli {

namespace {

constexpr OptionSpec kApplyOemOptions[] = {{"manufacturer"}, {"model"}};

// apply-support's options and the editor's text boxes they fill.
struct SupportOption {
    OptionSpec spec;
    const char* control;
};

constexpr SupportOption kSupportOptions[] = {
    {{"web"}, sinf::kWebAddress},     {{"email"}, sinf::kEMail},         {{"address"}, sinf::kPostalAddress},
    {{"address2"}, sinf::kAddress2},  {{"telephone"}, sinf::kTelephone}, {{"fax"}, sinf::kFax},
    {{"owner"}, sinf::kOwner},        {{"company"}, sinf::kCompany},     {{"date"}, sinf::kDate},
};

}  // namespace

int ApplyOemCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, kApplyOemOptions);
    ExpectPositionals(parsed, {});
    ConsoleDialogs dialogs(context.out, context.err);
    ConsoleMainWindow window(context.services, dialogs);
    window.View().SetText(form1::kManufacturer, parsed.Required("manufacturer"));
    window.View().SetText(form1::kModel, parsed.Required("model"));
    window.Presenter().ApplyOemInformation();
    return dialogs.ExitStatus();
}

int RemoveOemCommand(std::span<const std::string> args, CliContext& context)
{
    ExpectPositionals(ParseOptions(args, {}), {});
    ConsoleDialogs dialogs(context.out, context.err);
    // Held from the window's reads: the manufacturer it loads decides whether there is anything to remove.
    const CommandLockHold lock(context.services, dialogs);
    if (!lock)
        return dialogs.ExitStatus();
    ConsoleMainWindow window(context.services, dialogs);
    window.Presenter().RemoveOemInformation();
    return dialogs.ExitStatus();
}

int ApplySupportCommand(std::span<const std::string> args, CliContext& context)
{
    std::vector<OptionSpec> specs;
    for (const SupportOption& option : kSupportOptions)
        specs.push_back(option.spec);
    const ParsedArgs parsed = ParseOptions(args, specs);
    ExpectPositionals(parsed, {});

    // The editor as it opens, with the given fields typed over what it loaded.
    ConsoleDialogs dialogs(context.out, context.err);
    // Held from the editor's reads to its writes: what it writes back is still what is stored.
    const CommandLockHold lock(context.services, dialogs);
    if (!lock)
        return dialogs.ExitStatus();
    ConsoleView view;
    SupportEditorPresenter editor(view, dialogs, context.services);
    editor.Load();
    for (const SupportOption& option : kSupportOptions) {
        if (auto value = parsed.Value(option.spec.name))
            view.SetText(option.control, *value);
    }
    editor.Apply();
    return dialogs.ExitStatus();
}

}  // namespace pelmora::cli
