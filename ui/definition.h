// Window definitions as data: what every kit draws a window from. Texts are UTF-8 here and
// become GBK when a kit creates the window.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vantrel::ui {

enum class Kind { label, picture, group, button, edit, combo, list, timer, filedialog, store };
enum class Border { none, raised, single, sunken };
enum class Align { left, centre, right };
enum class Pointer { standard, hand };
enum class Picture { none, banner, titleart, house, photo };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};

struct Font {
    std::string_view face; // empty: the system's default GUI font
    int pixels = 0;        // height of the em square
    bool bold = false;
};

struct Column {
    std::string_view title;
    int width = 0;
};

// The open-file dialog's settings.
struct FileDialog {
    std::string_view filter; // "display text|pattern"
    bool mustexist = true;
    bool pathmustexist = true;
    bool hidereadonly = true;
    bool keepdirectory = true; // choosing a file leaves the current directory alone
};

struct Control {
    std::string_view name;
    Kind kind = Kind::label;
    std::string_view parent; // empty: the window itself
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string_view text;
    Font font;
    std::optional<Rgb> foreground; // default black
    std::optional<Rgb> background; // default the dialog-face colour (white for edits)
    Border border = Border::none;
    Align align = Align::left;
    bool wordwrap = false;
    Pointer pointer = Pointer::standard;
    bool tabstop = false;
    Picture picture = Picture::none;
    bool animate = false;
    std::vector<std::string_view> items; // combo box list
    int dropheight = 0;                  // combo box opened, box and list together
    std::vector<Column> columns;         // report list
    int period = 0;                      // timer, milliseconds
    std::optional<FileDialog> dialog;
};

struct Window {
    std::string_view id; // main, library, game, results
    std::string_view title;
    int width = 0; // outer size, frame and title bar included
    int height = 0;
    bool minimizebox = false;
    std::optional<Rgb> background; // default the dialog-face colour
    std::vector<Control> controls; // stacking order: the first lies on top
};

const Window& mainwindow();
const Window& librarywindow();
const Window& gamewindow();
const Window& resultswindow();

// The control of that name, or null.
const Control* findcontrol(const Window& window, std::string_view name);

// Controls that take the focus, in Tab order: the reverse of the listed order.
std::vector<const Control*> taborder(const Window& window);

// Client area where the frame is not the program's own: 3-pixel frame, 23-pixel title bar.
inline constexpr int framewidth = 6;
inline constexpr int frameheight = 29;

} // namespace vantrel::ui
