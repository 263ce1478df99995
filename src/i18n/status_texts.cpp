// The main window's status strip: the link in words, what a command waits
// for, how it ended (long cells, rows named by StatusText). "%1", "%2" and
// "%3" mark the values FillText puts in. Cells in Language order, one literal
// per cell: English, Japanese, Simplified Chinese, Korean.

#include "i18n/text_cells.h"

namespace vostrel {

// clang-format off
const TextRow<kLongCellUnits> kStatusTexts[BlockRowCount(TextBlock::StatusTexts)] = {
    /* kQueueLink */
    {{L"queue %1 (%2)", L"プリンタ %1 (%2)", L"打印队列 %1 (%2)", L"프린터 대기열 %1 (%2)"}},
    /* kQueueLinkWithoutPort */
    {{L"queue %1", L"プリンタ %1", L"打印队列 %1", L"프린터 대기열 %1"}},
    /* kNoLink */
    {{L"No interface chosen", L"インターフェース未選択", L"未选择接口", L"인터페이스 미선택"}},
    /* kReady */
    {{L"Ready", L"待機中", L"就绪", L"준비됨"}},
    /* kWorking */
    {{L"Working…", L"処理中…", L"正在处理…", L"처리 중…"}},
    /* kConnecting */
    {{L"Connecting to %1…", L"%1 に接続しています…", L"正在连接 %1…", L"%1에 연결하는 중…"}},
    /* kTalking */
    {{L"Talking to the printer…", L"プリンタと通信しています…", L"正在与打印机通信…", L"프린터와 통신하는 중…"}},
    /* kPause */
    {{L"Waiting for the printer to prepare its configuration… %1 s",
      L"プリンタが設定データを準備しています… あと %1 秒",
      L"正在等待打印机准备配置… 剩余 %1 秒",
      L"프린터가 설정을 준비하는 중… %1초 남음"}},
    /* kRfidRunning */
    {{L"RFID calibration running… %1", L"RFIDセンサー調整中… %1", L"正在进行 RFID 校准… %1", L"RFID 보정 진행 중… %1"}},
    /* kMinutesAndSeconds */
    {{L"%1 min %2 s", L"%1 分 %2 秒", L"%1 分 %2 秒", L"%1분 %2초"}},
    /* kSeconds */
    {{L"%1 s", L"%1 秒", L"%1 秒", L"%1초"}},
    /* kSent */
    {{L"Sent %1 settings to %2 at %3",
      L"%3 に %1 件の設定を %2 へ送信しました",
      L"%3 已向 %2 发送 %1 项设置",
      L"%3에 %2(으)로 설정 %1개를 보냈습니다"}},
    /* kReceived */
    {{L"Received %1 settings at %2",
      L"%2 に %1 件の設定を受信しました",
      L"%2 已接收 %1 项设置",
      L"%2에 설정 %1개를 받았습니다"}},
    /* kInformationReceived */
    {{L"Received the printer information at %1",
      L"%1 にプリンタ情報を受信しました",
      L"%1 已接收打印机信息",
      L"%1에 프린터 정보를 받았습니다"}},
    /* kImported */
    {{L"Imported %1 settings from %2",
      L"%2 から %1 件の設定をインポートしました",
      L"已从 %2 导入 %1 项设置",
      L"%2에서 설정 %1개를 가져왔습니다"}},
    /* kExported */
    {{L"Exported to %1", L"%1 にエクスポートしました", L"已导出到 %1", L"%1(으)로 내보냈습니다"}},
    /* kSelfTestSent */
    {{L"Self test sent", L"セルフ印刷を送信しました", L"已发送自检", L"자체 테스트를 보냈습니다"}},
    /* kSampleSent */
    {{L"Print sample sent", L"サンプル印刷を送信しました", L"已发送打印样张", L"샘플 인쇄를 보냈습니다"}},
    /* kFileSent */
    {{L"Sent %1 to the printer", L"%1 をプリンタへ送信しました", L"已将 %1 发送到打印机", L"%1을(를) 프린터로 보냈습니다"}},
    /* kSensorAdjusted */
    {{L"Sensor adjustment succeeded", L"センサー調整に成功しました", L"传感器调整成功", L"센서 조정 성공"}},
    /* kSensorNotAdjusted */
    {{L"Sensor adjustment failed", L"センサー調整に失敗しました", L"传感器调整失败", L"센서 조정 실패"}},
    /* kRfidCalibrated */
    {{L"RFID calibration succeeded", L"RFIDセンサー調整に成功しました", L"RFID 校准成功", L"RFID 보정 성공"}},
    /* kRfidNotCalibrated */
    {{L"RFID calibration failed", L"RFIDセンサー調整に失敗しました", L"RFID 校准失败", L"RFID 보정 실패"}},
    /* kNoRfid */
    {{L"The printer has no RFID", L"このプリンタはRFIDに対応していません", L"此打印机不支持 RFID", L"이 프린터는 RFID를 지원하지 않습니다"}},
    /* kFailed */
    {{L"Failed: code %1 %2", L"失敗: code %1 %2", L"失败: code %1 %2", L"실패: code %1 %2"}},
    /* kCancelled */
    {{L"Cancelled", L"キャンセルしました", L"已取消", L"취소됨"}},
    /* kCancelButton */
    {{L"Cancel", L"キャンセル", L"取消", L"취소"}},
    /* kInformationHint */
    {{L"Press Receive to read the printer's serial number and counters.",
      L"「受信」を押すと、プリンタのシリアル番号とカウンタを読み込みます。",
      L"按“收信”读取打印机的序列号和计数器。",
      L"'받기'를 누르면 프린터의 일련 번호와 카운터를 읽어 옵니다."}},
};
// clang-format on

}  // namespace vostrel
