// Anchor of the editor's widget-free library.
