// The shared library's own translation unit; the plug-in's code comes from
// its core library, linked whole.
