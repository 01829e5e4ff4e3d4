Function DataUpdated(Data)

'This function is called whenever
'the data is updated.

  DataUpdated=Data
End Function

Function BeforePrintData(Data)
  BeforePrintData=Data
End Function
