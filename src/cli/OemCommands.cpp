#include "CliArgs.h"
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "ConsoleMainWindow.h"
#include "platform/MemoryView.h"
#include "branding/BrandingFields.h"
#include "current/CurrentWindowsPresenter.h"
#include "oem/CommandScope.h"
#include "support/SupportEditorPresenter.h"

namespace pelmora::cli {

namespace {

// The window as it opens, with the given fields typed over what it loaded, then its Apply. The
// command's options are the window's fields (the command table takes them from the field table).
template <typename Presenter>
int ApplyFields(FieldWindow window, std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    ExpectPositionals(parsed, {});
    ConsoleDialogs dialogs(context.out, context.err);
    // Held from the window's reads to its writes: what it writes back is still what is stored.
    const CommandLockHold lock(context.services, dialogs);
    if (!lock)
        return dialogs.ExitStatus();
    MemoryView view;
    Presenter presenter(view, dialogs, context.services);
    presenter.Load();
    for (const BrandingField& field : kTextFields) {
        if (field.window != window)
            continue;
        if (auto value = parsed.Value(field.option))
            view.SetText(field.control, *value);
    }
    presenter.Apply();
    return dialogs.ExitStatus();
}

}  // namespace

int ApplyOemCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    ExpectPositionals(parsed, {});
    ConsoleDialogs dialogs(context.out, context.err);
    ConsoleMainWindow window(context.services, dialogs);
    // The main window's fields are the ones Apply OEM Information cannot do without.
    for (const BrandingField& field : kTextFields) {
        if (field.window == FieldWindow::Main)
            window.View().SetText(field.control, parsed.Required(field.option));
    }
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
    return ApplyFields<SupportEditorPresenter>(FieldWindow::SupportEditor, args, context);
}

int ApplyWindowsCommand(std::span<const std::string> args, CliContext& context)
{
    return ApplyFields<CurrentWindowsPresenter>(FieldWindow::CurrentWindows, args, context);
}

}  // namespace pelmora::cli
