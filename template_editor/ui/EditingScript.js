// The design view's editing script. It runs in a world of its own, apart from
// any script of the page (which stays off), and keeps what the view asks of
// the page: whether the user changed it, the states of the editing commands.
(function () {
    'use strict';
    if (window.gbEditor) {
        return;
    }
    var editor = { changed: false, selectionMessage: 'gbEditor:selectionchange' };

    document.addEventListener('input', function () { editor.changed = true; }, true);
    // Tells the view that the caret or the selection moved, so that it asks
    // for the commands' states again.
    document.addEventListener('selectionchange', function () {
        console.debug(editor.selectionMessage);
    });

    editor.begin = function (editable) {
        document.designMode = editable ? 'on' : 'off';
        editor.changed = false;
    };

    // The page, when the user changed it; false otherwise.
    editor.changedPage = function () {
        return editor.changed ? document.documentElement.outerHTML : false;
    };

    function placeCaret() {
        var selection = window.getSelection();
        if (selection.rangeCount === 0 && document.body) {
            var range = document.createRange();
            range.selectNodeContents(document.body);
            range.collapse(false);
            selection.addRange(range);
        }
    }

    editor.run = function (command, argument) {
        if (document.designMode !== 'on') {
            return false;
        }
        placeCaret();
        var done = argument === undefined ? document.execCommand(command, false)
                                          : document.execCommand(command, false, argument);
        if (done) {
            editor.changed = true;
        }
        return done;
    };

    function enabled(command) {
        try {
            return document.queryCommandEnabled(command);
        } catch (e) {
            return false;
        }
    }

    function latched(command) {
        try {
            return document.queryCommandState(command);
        } catch (e) {
            return false;
        }
    }

    // For each command name, [enabled, latched]; the block format's element.
    editor.states = function (commands) {
        var editable = document.designMode === 'on';
        var selection = window.getSelection();
        var hasRange = selection.rangeCount > 0 && !selection.isCollapsed;
        var result = { editable: editable, block: '', commands: {} };
        commands.forEach(function (command) {
            var on = editable;
            if (command === 'copy') {
                on = hasRange;
            } else if (command === 'cut') {
                on = editable && hasRange;
            } else if (command === 'selectAll') {
                on = true;
            } else if (command === 'undo') {
                on = editable && enabled('undo');
            } else if (command !== 'paste' && editable) {
                on = enabled(command) || selection.rangeCount === 0;
            }
            result.commands[command] = [on, editable && latched(command)];
        });
        if (editable) {
            try {
                result.block = document.queryCommandValue('formatBlock') || '';
            } catch (e) {
                result.block = '';
            }
        }
        return result;
    };

    window.gbEditor = editor;
})();
