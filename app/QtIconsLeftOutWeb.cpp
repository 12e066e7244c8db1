// The browser's link leaves out the widgets' standard icons, which nothing the program shows is
// drawn from (app/web/CMakeLists.txt). Qt's start-up still registers them by this name; here
// there is nothing to register.
int qInitResources_qstyle() { return 1; }
