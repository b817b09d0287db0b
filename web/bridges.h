#pragma once

// The page's bridges: the functions the game calls in the page's JavaScript.
// Each is declared here once and has its one body in web/js/bridges.lib.js;
// the build fails when the two disagree on a name or a parameter (see
// web/CheckBridges.cmake). A string crosses as a pointer to its UTF-8, ended
// by a NUL unless its length follows; what the page hands back is copied into
// a buffer the game sizes first.

extern "C" {

// ---- Elements. Each returns the new element's handle.

int ovali_group(const char* id, const char* name);
int ovali_label(const char* id, int group);
int ovali_link(const char* id, int index);
int ovali_field(const char* id, int field, int focus);
int ovali_button(const char* id, int index, int focus);
int ovali_check_box(const char* id, int focus);
int ovali_circle(const char* id);
int ovali_line(void);
int ovali_bar_item(const char* id, const char* kind, int index, int hasMenu);
int ovali_menu_item(int bar, const char* id, const char* kind, int index, int checkable);

// ---- What an element shows, and how.

void ovali_text(int h, const char* text, int size);
void ovali_look(int h, int px, int bold, int italic, int underline, const char* color,
                const char* align);
double ovali_measure(int h, int px);
void ovali_fitted(int h, int px);
void ovali_place(int h, double x, double y, double w, double hh);
void ovali_fill(int h, const char* color, double ring);
void ovali_ends(int h, double x1, double y1, double x2, double y2, const char* color, double width);
void ovali_visible(int h, int on);
void ovali_enabled(int h, int on);
void ovali_value(int h, const char* text, int size);
int ovali_value_size(int h);
void ovali_value_copy(int h, char* out, int size);
void ovali_select(int h, int start, int length);
void ovali_selection(int h, int* out);
void ovali_checked(int h, int on);
void ovali_name(int h, const char* name, int size);
void ovali_describe(int h, const char* text, int size);
void ovali_role(int h, const char* role);
void ovali_focus(int h);
int ovali_focused(void);
void ovali_field_keys(int h, const char* keys);
void ovali_menu_state(int h, const char* caption, int checked, int enabled);

// ---- The page as a whole, and its events.

void ovali_start(const char* codes);
void ovali_title(const char* title, const char* phase);
void ovali_announce(const char* panel, const char* text, int size);
void ovali_raise(const char* panel);
int ovali_query_size(void);
void ovali_query_copy(char* out, int size);
void ovali_address(const char* query);
void ovali_layout(const char* family, int boxPx, int menuPx);
void ovali_stage_size(double* out);
void ovali_extent(double width, double height);
int ovali_take(int* out);
void ovali_history_show(int on, const char* help);
void ovali_history_draw(const char* svg);
void ovali_copy(const char* text, int size);

// ---- The lab's panel.

void ovali_lab_words(const char* title, const char* chooser, const char* versus, const char* copy,
                     const char* copyDescription, const char* close, const char* progress);
void ovali_lab_show(int on);
void ovali_lab_view(const char* experiments, int chosen, int choosable, int versusShown,
                    const char* versus, const char* versusError, const char* run, int done,
                    int games, const char* progress, const char* plan, const char* notes,
                    const char* sentence, int copyable);
void ovali_lab_picture(const char* svg);
int ovali_lab_versus_size(void);
void ovali_lab_versus_copy(char* out, int size);

// ---- The lab's workers.

int ovali_lab_workers_start(const char* text, int size, int jobs);
void ovali_lab_workers_stop(void);
int ovali_lab_workers_take(int* job);
void ovali_lab_workers_copy(double* out);
int ovali_lab_workers_failed(void);
int ovali_lab_workers_parallel(void);
void ovali_lab_wake(void);

// ---- The toolkit's services.

// The functions the game sleeps in; the build lists them for Asyncify.
void ovali_wait_event(double ms);
void ovali_yield(void);
void ovali_sleep_forever(void);

int ovali_box(const char* text, int size, const char* picture);
int ovali_box_open(int depth);
int ovali_box_copy_size(int depth);
void ovali_box_copy_take(int depth, char* out, int size);
void ovali_beep(void);
double ovali_seconds_since_midnight(void);
double ovali_clock_seed(void);
void ovali_end(void);

}  // extern "C"
