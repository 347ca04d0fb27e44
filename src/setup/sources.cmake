# Files of this folder: kordamir_core for rules and formats, kordamir_ui for widgets.
