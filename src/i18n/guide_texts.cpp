// The calibration guidance and the calibration questions and results (long
// cells). Cells in Language order, one literal per cell: English, Japanese,
// Simplified Chinese, Korean. Line breaks and the leading spaces of continued
// lines are part of the texts.

#include "i18n/text_cells.h"

namespace vostrel {

// clang-format off
const TextRow<kLongCellUnits> kGuideTexts[BlockRowCount(TextBlock::GuideTexts)] = {
    /* 0 */
    {{L"Please select the type of media being used:",
      L"用紙の種類を選択してください：",
      L"请选择所使用的介质类型：",
      L"사용 중인 용지 종류를 선택하십시오:"}},
    /* 1 */
    {{L"1. Make sure the sensor position is adjusted correctly and the upper\n    and lower sensors are in alignment.",
      L"1. プリンターの電源を切ってください。\n2. アッパーセンサーとボトムセンサーの位置が合っていることを確認してください。",
      L"1. 请确认传感器位置已正确调整，且上下\n    传感器已对齐。",
      L"1. 센서 위치가 올바르게 조정되어 있고 위쪽과\n    아래쪽 센서가 일직선에 있는지 확인하십시오."}},
    /* 2 */
    {{L"1. (In case of Front Fixed Sensor) Make sure the gaps go through the\n     sensor position.  If not, consider using Rear Adjustment Sensor.\n   (In case of Rear Adjustment Sensor) Make sure the sensor position\n     is adjusted correctly using the blue adjuster.",
      L"1. （フロントセンサーの場合） ギャップがセンサー位置を通過することを確認してくださ\n     い。通過しない場合はアジャスタブルセンサーの使用を検討してください。\n   （アジャスタブルセンサーの場合） 水色のアジャスタブルセンサー調整ノブを使用して、\n     センサーが正しい位置にあることを確認してください。",
      L"1. （前部固定传感器）请确认间隙经过\n     传感器位置。否则请考虑使用后部可调传感器。\n   （后部可调传感器）请使用蓝色调节器确认传感器位置\n     已正确调整。",
      L"1. (전면 고정 센서의 경우) 갭이 센서 위치를\n     지나가는지 확인하십시오. 지나가지 않으면 후면 조정 센서 사용을 고려하십시오.\n   (후면 조정 센서의 경우) 파란색 조정기를 사용하여 센서 위치가\n     올바르게 조정되었는지 확인하십시오."}},
    /* 3 */
    {{L"1. Make sure the lower sensor position is adjusted correctly.",
      L"1. プリンターの電源を切ってください。\n2. ボトムセンサーの位置が合っていることを確認してください。",
      L"1. 请确认下传感器位置已正确调整。",
      L"1. 아래쪽 센서 위치가 올바르게 조정되었는지 확인하십시오."}},
    /* 4 */
    {{L"1. (In case of Front Fixed Sensor) Make sure the black marks go through\n     the sensor position.  If not, consider using Rear Adjustment Sensor.\n   (In case of Rear Adjustment Sensor) Make sure the sensor position is\n     adjusted correctly using the blue adjuster.",
      L"1. （フロントセンサーの場合） ブラックマークがセンサー位置を通過することを確認して\n     ください。通過しない場合はアジャスタブルセンサーの使用を検討してください。\n   （アジャスタブルセンサーの場合） 水色のアジャスタブルセンサー調整ノブを使用して、\n     センサーが正しい位置にあることを確認してください。",
      L"1. （前部固定传感器）请确认黑标经过\n     传感器位置。否则请考虑使用后部可调传感器。\n   （后部可调传感器）请使用蓝色调节器确认传感器位置\n     已正确调整。",
      L"1. (전면 고정 센서의 경우) 블랙 마크가 센서 위치를\n     지나가는지 확인하십시오. 지나가지 않으면 후면 조정 센서 사용을 고려하십시오.\n   (후면 조정 센서의 경우) 파란색 조정기를 사용하여 센서 위치가\n     올바르게 조정되었는지 확인하십시오."}},
    /* 5 */
    {{L"2. Remove the labels to show the backing paper (liner) only.",
      L"3. 台紙だけが見えるようにラベルを数枚剥がしてください。",
      L"2. 撕下标签，只露出底纸（衬纸）。",
      L"2. 라벨을 떼어 내어 받침 종이(라이너)만 보이게 하십시오."}},
    /* 6 */
    {{L"2. Set the paper so that the black marks are facing downwards.",
      L"3. ブラックマークが下面に来るように用紙をセットしてください。",
      L"2. 装入纸张，使黑标朝下。",
      L"2. 블랙 마크가 아래를 향하도록 용지를 넣으십시오."}},
    /* 7 */
    {{L"3. Place the media in the printer so the backing paper is between the\n    sensors.",
      L"4. 台紙だけが上下センサー間にあるように用紙を配置してください。",
      L"3. 将介质放入打印机，使底纸位于\n    传感器之间。",
      L"3. 받침 종이가 센서 사이에 오도록\n    용지를 프린터에 넣으십시오."}},
    /* 8 */
    {{L"3. Place the media so that the black marks are not directly over the\n    sensor.",
      L"4. ブラックマーク部分がセンサーの上に来ない位置に用紙を配置してください。",
      L"3. 放置介质，使黑标不在\n    传感器正上方。",
      L"3. 블랙 마크가 센서 바로 위에 오지 않도록\n    용지를 놓으십시오."}},
    /* 9 */
    {{L"4. Close the printer and click on the Start Sensor Adjustment.",
      L"5. 蓋をしめてから、電源を入れてセンサー調整開始ボタンを押してください。",
      L"4. 合上打印机，然后点击“开始传感器调整”。",
      L"4. 프린터를 닫고 센서 조정 시작을 클릭하십시오."}},
    /* 10 */
    {{L"Are you sure to start sensor adjustment?",
      L"センサー調整を開始してよろしいですか？",
      L"确定要开始传感器调整吗？",
      L"센서 조정을 시작하시겠습니까?"}},
    /* 11 */
    {{L"Sensor adjustment done successfully.",
      L"センサー調整に成功しました。",
      L"传感器调整成功。",
      L"센서 조정이 완료되었습니다."}},
    /* 12 */
    {{L"Sensor adjustment failed.\nPlease try again.",
      L"センサー調整に失敗しました。\n再度お試しください。",
      L"传感器调整失败。\n请重试。",
      L"센서 조정에 실패했습니다.\n다시 시도하십시오."}},
    /* 13 */
    {{L"Are you sure to start RFID Calibration?",
      L"RFIDセンサー調整を開始してよろしいですか？",
      L"确定要开始RFID校准吗？",
      L"RFID 보정을 시작하시겠습니까?"}},
    /* 14 */
    {{L"RFID Calibration done successfully.",
      L"RFIDセンサー調整に成功しました。",
      L"RFID校准成功。",
      L"RFID 보정이 완료되었습니다."}},
    /* 15 */
    {{L"RFID Calibration failed.\nPlease try again.",
      L"RFIDセンサー調整に失敗しました。\n再度お試しください。",
      L"RFID校准失败。\n请重试。",
      L"RFID 보정에 실패했습니다.\n다시 시도하십시오."}},
    /* 16 */
    {{L"This printer does not support RFID.",
      L"RFID対応機種ではありません。",
      L"此打印机不支持RFID。",
      L"이 프린터는 RFID를 지원하지 않습니다."}},
    /* 17 */
    {{L"1. Make sure that the sensor is at the proper position.\n   See user's manual for details.",
      L"1. センサーが正しい位置にあることを確認してください。\n   詳細は取扱説明書をご参照ください。",
      L"1. 请确认传感器位于正确位置。\n   详情请参阅用户手册。",
      L"1. 센서가 올바른 위치에 있는지 확인하십시오.\n   자세한 내용은 사용 설명서를 참조하십시오."}},
    /* 18 */
    {{L"2. Setup the media for calibration.",
      L"2. 用紙をセットしてください。",
      L"2. 装入用于校准的介质。",
      L"2. 보정할 용지를 넣으십시오."}},
    /* 19 */
    {{L"3. Close the printer and start calibration.\n   It takes 3-4 minutes to complete the calibration.",
      L"3. カバーを閉じ、キャリブレーションを開始してください。\n   キャリブレーションの終了まで3～4分かかります。",
      L"3. 合上打印机并开始校准。\n   校准需要3-4分钟完成。",
      L"3. 프린터를 닫고 보정을 시작하십시오.\n   보정이 끝날 때까지 3-4분이 걸립니다."}},
    /* 20: the RFID guide's step 2, one line in every language */
    {{L"2. Load the RFID label roll face up; leave the labels on the liner.",
      L"2. RFIDラベルを台紙から剥がさずに、印字面を上にしてセットしてください。",
      L"2. 装入RFID标签卷，打印面朝上，不要将标签从底纸上撕下。",
      L"2. RFID 라벨 롤을 인쇄면이 위로 오게 넣고, 라벨을 떼지 마십시오."}},
};
// clang-format on

}  // namespace vostrel
