// What a Qt Quick developer writes for a long list of parameters: a ListView over a model,
// one row of Qt Quick Controls per parameter, made only for the rows in view.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ListView {
    id: list
    clip: true
    // Above 0, every row is this tall (the rows of the screen it is compared with).
    property int rowPitch: 0
    delegate: RowLayout {
        id: row
        required property string name
        required property real minimum
        required property real maximum
        required property real value
        required property int index
        width: list.width
        height: list.rowPitch > 0 ? list.rowPitch : implicitHeight
        Label { text: row.name; Layout.leftMargin: 8 }
        Slider {
            id: slider
            Layout.fillWidth: true
            from: row.minimum
            to: row.maximum
            value: row.value
            onMoved: list.model.setValueAt(row.index, slider.value)
        }
        Label { text: slider.value.toFixed(2); Layout.rightMargin: 8 }
    }
}
