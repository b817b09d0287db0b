// A bridge declared as it should be, then one fault of each kind.
extern "C" {
void ovali_wait_event(double ms);
int ovali_line(void);
void ovali_twice(int h);
void ovali_twice(int h);
void ovali_swapped(int h, const char* text, int size);
void ovali_lost(int h);
void ovali_new_sleep(void);
int ovali_take(int* out);
}
