// One row of a GraphScreen: a node's section header, or the control its parameter's kind names.
// Every control writes through the model, which pins and snaps the value and records the change.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NequoraUI

Rectangle {
    id: row

    required property int index
    required property string kind
    required property string title
    required property string valueText
    required property real proportion
    required property var choices
    required property int choiceIndex
    required property bool editable
    required property bool folded
    required property string group
    required property var value
    required property string actionText
    property GraphRowModel graph

    implicitHeight: Math.max(heading.implicitHeight, control.implicitHeight) + 16
    radius: 8
    // The screen's colours, one palette for every row.
    property SystemPalette colours
    color: kind === "section" ? colours.button : colours.base
    Accessible.ignored: kind !== "section"

    // Anchored, not laid out: a row costs what it shows, as few items as a hand-written one.
    Label {
        id: heading
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: row.kind === "section" ? parent.width - 64 : 120
        text: row.group.length > 0 ? row.group + " · " + row.title : row.title
        font.bold: row.kind === "section"
        elide: Text.ElideRight
    }
    Loader {
        id: control
        anchors.left: heading.right
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        sourceComponent: ({
            section: sectionToggle, slider: slider, switch: onOff, text: textField,
            segments: segments, picker: picker, readOnly: readOnly,
            file: fileChooser, player: player, recorder: recorder
        })[row.kind]
    }

    Component {
        id: sectionToggle
        ToolButton {
            text: row.folded ? "▸" : "▾"
            Accessible.role: Accessible.Button
            Accessible.name: (row.folded ? qsTr("Unfold %1") : qsTr("Fold %1")).arg(row.title)
            onClicked: row.graph.toggleSection(row.index)
        }
    }
    Component {
        id: slider
        Item {
            implicitHeight: track.implicitHeight
            Slider {
                id: track
                objectName: "slider"
                // When the last press came, for a double-click.
                property double pressedAt: 0
                anchors.left: parent.left
                anchors.right: shown.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                from: 0
                to: 1
                value: row.proportion
                enabled: row.editable
                Accessible.name: row.title
                Accessible.description: row.valueText
                // A double-click goes back to the value the row was made with.
                onPressedChanged: {
                    if (!pressed) {
                        row.graph.endGesture(row.index)
                        return
                    }
                    const now = Date.now()
                    if (now - pressedAt < Qt.styleHints.mouseDoubleClickInterval)
                        row.graph.reset(row.index)
                    else
                        row.graph.beginGesture(row.index)
                    pressedAt = now
                }
                onMoved: row.graph.setProportion(row.index, value)
                // Keys move by a share of the track, at least a whole step, as the widget
                // slider's do; Shift moves finer.
                Keys.onPressed: event => {
                    const fine = (event.modifiers & Qt.ShiftModifier) ? 0.1 : 1
                    const shares = {
                        [Qt.Key_Left]: -0.01 * fine, [Qt.Key_Down]: -0.01 * fine,
                        [Qt.Key_Right]: 0.01 * fine, [Qt.Key_Up]: 0.01 * fine,
                        [Qt.Key_PageDown]: -0.1, [Qt.Key_PageUp]: 0.1
                    }
                    if (event.key in shares)
                        row.graph.stepBy(row.index, shares[event.key])
                    else if (event.key === Qt.Key_Home || event.key === Qt.Key_End)
                        row.graph.setProportion(row.index, event.key === Qt.Key_Home ? 0 : 1)
                    else
                        return
                    event.accepted = true
                }
            }
            // The value as shown. Return or a double-click opens an editor for an exact value,
            // typed with or without its unit; the editor is made only then.
            Label {
                id: shown
                objectName: "value"
                text: row.valueText
                visible: !editor.active
                activeFocusOnTab: true
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 90
                horizontalAlignment: Text.AlignRight
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("%1 value").arg(row.title)
                Accessible.description: row.valueText
                Keys.onReturnPressed: editor.active = true
                Keys.onEnterPressed: editor.active = true
                TapHandler { onDoubleTapped: editor.active = true }
                Rectangle {
                    anchors.fill: parent
                    visible: shown.activeFocus
                    color: "transparent"
                    border.color: row.colours.highlight
                    radius: 4
                }
            }
            Loader {
                id: editor
                active: false
                visible: active
                anchors.fill: shown
                function close() {
                    Qt.callLater(() => { editor.active = false; shown.forceActiveFocus() })
                }
                sourceComponent: TextField {
                    objectName: "entry"
                    text: row.valueText
                    horizontalAlignment: TextInput.AlignRight
                    Accessible.name: qsTr("%1 value").arg(row.title)
                    Component.onCompleted: { selectAll(); forceActiveFocus() }
                    // Text that is not a value stays, in red, until it is one or Escape.
                    onAccepted: {
                        if (row.graph.setTypedText(row.index, text))
                            editor.close()
                        else
                            color = "red"
                    }
                    onTextEdited: color = row.colours.text
                    Keys.onEscapePressed: editor.close()
                    onActiveFocusChanged: if (!activeFocus) editor.close()
                }
            }
        }
    }
    Component {
        id: onOff
        Switch {
            objectName: "switch"
            checked: row.value === true
            Accessible.name: row.title
            onToggled: row.graph.setValue(row.index, checked)
        }
    }
    Component {
        id: textField
        TextField {
            objectName: "text"
            text: row.valueText
            readOnly: !row.editable
            Accessible.name: row.title
            onEditingFinished: if (text !== row.valueText) row.graph.setValue(row.index, text)
        }
    }
    Component {
        id: segments
        RowLayout {
            objectName: "segments"
            spacing: 0
            Repeater {
                model: row.choices
                Button {
                    required property int index
                    required property string modelData
                    objectName: "segment " + index
                    // The segments share the row's width, as the widget's do.
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    text: modelData
                    checkable: true
                    checked: index === row.choiceIndex
                    Accessible.role: Accessible.RadioButton
                    Accessible.name: qsTr("%1: %2").arg(row.title).arg(modelData)
                    onClicked: row.graph.choose(row.index, index)
                }
            }
        }
    }
    Component {
        id: picker
        ComboBox {
            objectName: "picker"
            model: row.choices
            currentIndex: row.choiceIndex
            displayText: row.valueText
            Accessible.name: row.title
            onActivated: index => row.graph.choose(row.index, index)
        }
    }
    Component {
        id: readOnly
        Label {
            objectName: "readOnly"
            text: row.valueText
            horizontalAlignment: Text.AlignRight
            Accessible.role: Accessible.StaticText
            Accessible.name: row.title
            Accessible.description: row.valueText
        }
    }
    Component {
        id: fileChooser
        ComboBox {
            objectName: "file"
            model: row.choices
            currentIndex: row.choiceIndex
            displayText: row.valueText.length > 0 ? row.valueText : qsTr("No file")
            Accessible.name: row.title
            onActivated: index => row.graph.choose(row.index, index)
        }
    }
    Component {
        id: player
        RowLayout {
            Button {
                objectName: "playPause"
                text: row.actionText
                Accessible.name: row.actionText
                Accessible.description: row.valueText
                onClicked: row.graph.togglePlayback(row.index)
            }
            // Drawn, not a ProgressBar: the software renderer never frees that one's texture.
            Rectangle {
                objectName: "progress"
                Layout.fillWidth: true
                implicitHeight: 6
                radius: 3
                color: row.colours.mid
                Accessible.role: Accessible.ProgressBar
                Accessible.name: qsTr("Playback position")
                Accessible.description: qsTr("%1 %").arg(Math.round(row.proportion * 100))
                Rectangle {
                    width: parent.width * row.proportion
                    height: parent.height
                    radius: parent.radius
                    color: row.colours.highlight
                }
            }
        }
    }
    Component {
        id: recorder
        RowLayout {
            Button {
                objectName: "startStop"
                text: row.actionText
                enabled: row.editable
                Accessible.name: row.actionText
                Accessible.description: row.valueText
                onClicked: row.graph.toggleRecording(row.index)
            }
            Label {
                Layout.fillWidth: true
                text: row.valueText
                Accessible.role: Accessible.StaticText
                Accessible.name: row.valueText
            }
        }
    }
}
